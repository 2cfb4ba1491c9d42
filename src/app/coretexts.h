#pragma once

#include <QString>

#include <string>

namespace tonewright {

// A text the core hands to the windows (a row's status, a progress line, a question, the
// load report), in the user's language where a translation has it. The core has no Qt and
// writes English; its fixed texts and the patterns of its composed ones are listed here for
// translation (context "CoreTexts"). The parts a pattern leaves open, such as a file name or
// a decoder's failure reason, stay as the core wrote them, and a text the list does not know
// shows unchanged.
QString CoreText(const std::string& text);

}  // namespace tonewright
