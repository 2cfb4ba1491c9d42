#include "app/coretexts.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace tonewright {

namespace {

// The core's texts; %1, %2, ... stand for the parts it fills in. A text takes the first
// pattern it matches whole, so the narrower patterns come first.
const char* const kCoreTexts[] = {
    QT_TRANSLATE_NOOP("CoreTexts", "Converting..."),
    QT_TRANSLATE_NOOP("CoreTexts", "Converting %1 of %2 file(s) to %3..."),
    QT_TRANSLATE_NOOP("CoreTexts", "Converting %1...%2%"),
    QT_TRANSLATE_NOOP("CoreTexts", "Converting %1..."),
    QT_TRANSLATE_NOOP("CoreTexts", "Conversion Failure"),
    QT_TRANSLATE_NOOP("CoreTexts", "Conversion Failure (%1)"),
    QT_TRANSLATE_NOOP("CoreTexts", "Cancelled"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1 (cover picture over 16 MiB left out)"),
    QT_TRANSLATE_NOOP("CoreTexts", "%1 (%2 pictures over 16 MiB left out)"),
    QT_TRANSLATE_NOOP("CoreTexts", "Failure. Requires file \"ct4mgm.sf2\"."),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Failed to load the following files.\n\n%1\nIf you think Tonewright should read these files, "
                      "please report them as the help page \"Feedback and Support\" describes."),
    QT_TRANSLATE_NOOP("CoreTexts", "Failed to load the following files.\n\n%1\n%2"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Dear user, WMA file requires Windows Media Format 9 Series Runtime.\n"
                      "Unfortunately, the component isn't available on your computer.\n\n"
                      "Do you want to download and install it now?"),
    QT_TRANSLATE_NOOP("CoreTexts",
                      "Dear user, to decode MIDI file, file \"ct4mgm.sf2\" is required.\n"
                      "Unfortunately, the file isn't available on your computer.\n\n"
                      "Do you want to download the file from our website for free now?\n\n"
                      "Once download completes, please copy the file to folder:\n\"%1\"\n"
                      "And then convert your MIDI file again. Thank you."),
};

struct CorePattern {
    const char* source;
    QRegularExpression match;
};

// Each text as a pattern: the text itself, with any characters where it has %1, %2, ...
std::vector<CorePattern> Patterns() {
    std::vector<CorePattern> patterns;
    for (const char* source : kCoreTexts) {
        QString expression = QRegularExpression::escape(QString::fromUtf8(source));
        expression.replace(QRegularExpression(QStringLiteral(R"(\\%(\d))")), QStringLiteral("(.*)"));
        patterns.push_back({source, QRegularExpression(QStringLiteral("\\A") + expression + QStringLiteral("\\z"),
                                                       QRegularExpression::DotMatchesEverythingOption)});
    }
    return patterns;
}

}  // namespace

QString CoreText(const std::string& text) {
    static const std::vector<CorePattern> patterns = Patterns();
    const QString written = QString::fromStdString(text);
    for (const CorePattern& pattern : patterns) {
        const QRegularExpressionMatch match = pattern.match.match(written);
        if (!match.hasMatch()) continue;
        QString translated = QCoreApplication::translate("CoreTexts", pattern.source);
        const QStringList parts = match.capturedTexts().mid(1);
        // One pass over the placeholders, so a file name holding "%2" stays as it is.
        switch (parts.size()) {
            case 0: return translated;
            case 1: return translated.arg(parts[0]);
            case 2: return translated.arg(parts[0], parts[1]);
            default: return translated.arg(parts[0], parts[1], parts[2]);
        }
    }
    return written;
}

}  // namespace tonewright
