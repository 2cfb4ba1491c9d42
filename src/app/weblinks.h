#pragma once

#include <QUrl>

namespace tonewright {

// The addresses behind the Help menu, kept in one place. The project has no web site or
// mailbox of its own, so its home, update and support pages are pages of the user guide
// installed with the program.
QUrl HelpTopicsUrl();
QUrl HomePageUrl();
QUrl UpdateCheckUrl();
QUrl SupportUrl();
// A mail without recipient that recommends the program by its name and a one-line description.
QUrl TellAFriendUrl();

}  // namespace tonewright
