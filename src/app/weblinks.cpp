#include "app/weblinks.h"

#include <QCoreApplication>
#include <QUrlQuery>

#include "engine/helppages.h"

namespace tonewright {

namespace {

QUrl HelpPage(const char* page) { return QUrl(QString::fromStdString(HelpPageUrl(page))); }

}  // namespace

QUrl HelpTopicsUrl() { return HelpPage("index.html"); }

QUrl HomePageUrl() { return HelpPage("index.html"); }

QUrl UpdateCheckUrl() { return HelpPage("support.html#updates"); }

QUrl SupportUrl() { return HelpPage("support.html"); }

QUrl TellAFriendUrl() {
    // The home page is a file on this computer, useless to the recipient: the mail names the
    // program and says what it does instead.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"),
                       QCoreApplication::translate("WebLinks", "Tonewright - very COOL application!!!"));
    query.addQueryItem(QStringLiteral("body"),
                       QCoreApplication::translate("WebLinks",
                                                   "Tonewright - a batch audio converter for the Linux desktop: fill "
                                                   "a list with audio files and convert them all to MP3, WAV, Ogg "
                                                   "Vorbis, AAC, MP4 or AMR."));
    QUrl mail(QStringLiteral("mailto:"));
    mail.setQuery(query);
    return mail;
}

}  // namespace tonewright
