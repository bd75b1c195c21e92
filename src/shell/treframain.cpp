// SPDX-License-Identifier: MIT
// The main window as a frame: the edition and the set-up it applies when first shown, and
// the window-level commands.
#include "shell/treframain.h"
#include "controls/translation.h"

#include "shell/edition.h"

namespace {

constexpr int kMinimised = 1;  // the size type of a window being minimised
// The zoom bar's position at start: 10 of 12, which the zoom label shows as 25%.
constexpr int kStartZoom = 10;

}  // namespace

Treframain::Treframain(Platform& platform, const CanvasFactory& makeCanvas)
    : ExperimentsLayer(platform, makeCanvas) {
    const auto on = [this](void (Treframain::*handler)(Control&)) {
        return [this, handler](Control& sender) { (this->*handler)(sender); };
    };
    copy2.onClick = copy1.onClick = on(&Treframain::copy1Click);
    print1.onClick = on(&Treframain::print1Click);
    Print2.onClick = on(&Treframain::Print2Click);
    PrintSetup1.onClick = on(&Treframain::PrintSetup1Click);
    UserName1.onClick = on(&Treframain::UserName1Click);
    MeasurementPractice1.onClick = on(&Treframain::MeasurementPractice1Click);
    Help2.onClick = on(&Treframain::Help2Click);
    About1.onClick = on(&Treframain::About1Click);
    return1.onClick = on(&Treframain::return1Click);
    FormCreate();
}

void Treframain::chooseEdition() {
    if (isRefractionEdition(platform_.executableName())) {
        Lens1Click(Lens1);
        //: %1 is the program's name, which stays as it is.
        aboutBox.productName.caption =
            text::arg(text::translate("AboutBox", "Product Name: %1"), {"Lumivex"});
        aboutBox.form.caption = text::translate("AboutBox", "Refraction Experiment About");
        aboutBox.version.caption = versionCaption();
        form.caption = "Lumivex";
        applicationTitle = "Lumivex";
    } else {
        Mirror1Click(Mirror1);
        aboutBox.productName.caption =
            text::arg(text::translate("AboutBox", "Product Name: %1"), {"Spekvale"});
        aboutBox.form.caption = text::translate("AboutBox", "Reflection Experiment About");
        aboutBox.version.caption = versionCaption();
        applicationTitle = "Spekvale";
        form.caption = "Spekvale";
    }
}

void Treframain::FormActivate() {
    chooseEdition();

    domeasurecb.setChecked(false);
    const ScreenSize screen = platform_.screenSize();
    form.top = (screen.height - form.height) / 2;
    form.left = (screen.width - form.width) / 2;
    Panel2.top = (form.clientHeight - Panel2.height) / 2;
    Panel2.left = (form.clientWidth - Panel2.width) / 2;
    const bool refraction = edition == Edition::Refraction;
    indexgb.visible = refraction;
    resetbtClick(resetbt);

    if (refraction) {
        Help1.helpContext = 2000;
        taboptions.left = 8;
        taboptions.pages[0] = text::translate("OpticalProperties", "&Lens Properties");
        ShowRefraction1.caption = text::translate("MainMenu", "Show Refraction");
        Extendray1.caption = text::translate("MainMenu", "Extend Refracted Ray");
        DoubleConvexLens1Click(DoubleConvexLens1);
        glassindex.setPosition(150);
        airindex.setPosition(100);
    } else {
        Help1.helpContext = 3000;
        taboptions.pages[0] = text::translate("OpticalProperties", "&Mirror Properties");
        ShowRefraction1.caption = text::translate("MainMenu", "Show Reflection");
        Extendray1.caption = text::translate("MainMenu", "Extend Reflected Ray");
        taboptions.left = 176;
        Concavemirror1Click(Concavemirror1);
    }
    Experiments1.visible = refraction;
    Experiments2.visible = !refraction;
    // Only glass reflects a ray inside itself.
    FollowReflections1.visible = refraction;

    scalesb.setPosition(kStartZoom);
    if (!ShowGridlines1.checked) {
        ShowGridlines1.click();
    }
    N13.click();
    N14.click();
    if (!ShowPrincipalaxis1.checked) {
        ShowPrincipalaxis1.click();
    }
    if (!ShowRefraction1.checked) {
        ShowRefraction1.click();
    }
}

void Treframain::FormDeactivate() {
    if (domeasurecb.checked()) {
        domeasurecb.setChecked(false);
    }
}

void Treframain::WMSize(int sizeType) {
    if (sizeType == kMinimised) {
        platform_.minimiseApplication();
    }
}

void Treframain::return1Click(Control&) {
    platform_.closeMainWindow();
}

void Treframain::Help2Click(Control&) {
    platform_.openHelp(Help1.helpContext);
}

void Treframain::About1Click(Control&) {
    platform_.showModal(ModalWindow::About);
}

void Treframain::MeasurementPractice1Click(Control&) {
    platform_.showModal(ModalWindow::Practice);
}
