#pragma once

#include <memory>
#include <utility>

#include "app/options/wmapage.h"

namespace tonewright {

class Desktop;
class OptionPage;
struct Settings;

// What pages need from the program besides their values.
struct PageServices {
    Desktop& desktop;
    WmaFormatSource wmaFormats;
};

// A page of the options sheet together with the values it edits: copied in from the
// settings when it was made, written back by CopyOut.
class SheetPage {
public:
    virtual ~SheetPage() = default;
    virtual OptionPage* page() const = 0;
    virtual void CopyOut(Settings& settings) const = 0;
};

// A SheetPage for values of type `Values`.
template <typename Values>
class BoundPage : public SheetPage {
public:
    using CopyOutFunction = void (*)(const Values&, Settings&);

    // `makePage(Values&)` makes the page that edits the values kept here.
    template <typename MakePage>
    BoundPage(Values values, CopyOutFunction copyOut, MakePage makePage)
        : values_(std::move(values)), copyOut_(copyOut), page_(makePage(values_)) {}

    OptionPage* page() const override { return page_; }
    void CopyOut(Settings& settings) const override { copyOut_(values_, settings); }

private:
    Values values_;
    CopyOutFunction copyOut_;
    OptionPage* page_;
};

template <typename Values, typename MakePage>
std::unique_ptr<SheetPage> BindPage(Values values, void (*copyOut)(const Values&, Settings&), MakePage makePage) {
    return std::make_unique<BoundPage<Values>>(std::move(values), copyOut, makePage);
}

}  // namespace tonewright
