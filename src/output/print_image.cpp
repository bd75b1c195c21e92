// SPDX-License-Identifier: MIT
#include "output/print_image.h"

#include "canvas/pixel.h"
#include "controls/translation.h"

namespace {

// The page margins in printer pixels: the picture keeps 150 on either side, the name line
// stands 150 below the top edge and the picture 300.
constexpr int kPictureLeft = 150;
constexpr int kPictureTop = 300;
constexpr int kSideMargins = 2 * kPictureLeft;
constexpr Point kNameLine{0, 150};

// Why a print failed, each said in its own message box titled "Print".
std::string noPrinter() {
    return text::translate(
        "PrintMessages",
        "There is no printer to print on, or its page is too narrow for the picture.\r"
        "Choose a printer, or printing to a file, with Print Setup.");
}
std::string emptyPicture() {
    return text::translate("PrintMessages", "The picture is empty: there is nothing to print.");
}
std::string notStarted() {
    return text::translate("PrintMessages",
                           "The printer could not start the print job.\rNothing was printed.");
}
std::string cancelled() {
    return text::translate(
        "PrintMessages",
        "The picture could not be put on the page, so the print job was cancelled.\r"
        "Nothing was printed.");
}
std::string notSent() {
    return text::translate("PrintMessages",
                           "The printer did not take the page.\rCheck the printer, or choose "
                           "another with Print Setup.");
}

// The bitmap stretched to the page width less the margins, evenly in both directions.
// Multiplying before dividing keeps the width exact: a picture as wide as its control fills
// the page to the last pixel of the margin.
Rect pageRectFor(const Canvas& bitmap, int controlWidth, int pageWidth) {
    const double printedWidth = pageWidth - kSideMargins;
    return {kPictureLeft, kPictureTop,
            kPictureLeft + truncPixel(bitmap.width() * printedWidth / controlWidth),
            kPictureTop + truncPixel(bitmap.height() * printedWidth / controlWidth)};
}

bool fail(Platform& platform, const std::string& why) {
    platform.messageBox(why, text::translate("PrintMessages", "Print"), MessageIcon::Error);
    return false;
}

}  // namespace

bool PrintImage(Platform& platform, const Picture& image, const std::string& userName) {
    const int pageWidth = platform.printerPageWidth();
    if (pageWidth <= kSideMargins) {
        return fail(platform, noPrinter());
    }
    if (!image.canvas || image.width <= 0 || image.canvas->width() <= 0 ||
        image.canvas->height() <= 0) {
        return fail(platform, emptyPicture());
    }
    const Rect onPage = pageRectFor(*image.canvas, image.width, pageWidth);
    if (onPage.width() <= 0 || onPage.height() <= 0) {
        return fail(platform, noPrinter());
    }

    if (!platform.beginPrintJob()) {
        return fail(platform, notStarted());
    }
    const bool named =
        userName.empty() ||
        platform.printText(kNameLine.x, kNameLine.y,
                           //: The line above the printed picture; %1 is the student's name.
                           text::arg(text::translate("Printout", "Printed by: %1"), {userName}));
    if (!named || !platform.printPicture(*image.canvas, onPage)) {
        platform.abortPrintJob();
        return fail(platform, cancelled());
    }
    if (!platform.endPrintJob()) {
        return fail(platform, notSent());
    }
    return true;
}
