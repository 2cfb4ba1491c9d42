#include "app/weblinks.h"

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
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("subject"), QStringLiteral("Tonewright - very COOL application!!!"));
    query.addQueryItem(QStringLiteral("body"), QStringLiteral("Download from ") + HomePageUrl().toString());
    QUrl mail(QStringLiteral("mailto:"));
    mail.setQuery(query);
    return mail;
}

}  // namespace tonewright
