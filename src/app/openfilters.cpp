#include "app/openfilters.h"

#include <QCoreApplication>
#include <QStringList>

#include "base/filetypes.h"

namespace tonewright {

namespace {

// "*.mp3 *.wav ...": every extension of the family table and of the file types, once each.
QString AllAudioPatterns() {
    QStringList patterns;
    for (const std::string& extension : ReadableExtensions())
        patterns << QLatin1Char('*') + QString::fromStdString(extension);
    return patterns.join(QLatin1Char(' '));
}

}  // namespace

QString OpenDialogFilters() {
    QStringList filters{QCoreApplication::translate("OpenFilters", "All audio files (%1)").arg(AllAudioPatterns()),
                        QCoreApplication::translate("OpenFilters", "All Files (*)")};
    for (const char* filter : FileTypeFilters()) filters << QCoreApplication::translate("OpenFilters", filter);
    return filters.join(QStringLiteral(";;"));
}

}  // namespace tonewright
