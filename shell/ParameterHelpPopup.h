#pragma once
// The help box of a parameter page: shown over the page's picture while the
// mouse is on a parameter, with that parameter's title, comment and range.

#include "params/ParameterHelp.h"

#include <functional>

class CmyRichEditCtrl;
class Parameter;
class WizardPage;

class ParameterHelpPopup {
public:
    // The size of the page's left-hand picture, less one pixel each way.
    static constexpr int kWidth = 161 - 1;
    static constexpr int kHeight = 314 - 1;

    using HelpSource = std::function<ParameterHelp(const Parameter&)>;

    ParameterHelpPopup(WizardPage& page, CmyRichEditCtrl& richEdit, HelpSource help);

    // The page's OnControlHover.
    void Hover(Parameter* parameter, bool hasParameter);
    const Parameter* LastShown() const { return lastShown; }

private:
    void Show(const Parameter& parameter);
    void Hide();

    WizardPage& page;
    CmyRichEditCtrl& richEdit;
    HelpSource help;
    const Parameter* lastShown = nullptr;
};
