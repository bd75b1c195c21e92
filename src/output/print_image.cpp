// SPDX-License-Identifier: MIT
#include "output/print_image.h"

#include "canvas/pixel.h"

namespace {

// The page margins in printer pixels: the picture keeps 150 on either side, the name line
// stands 150 below the top edge and the picture 300.
constexpr int kPictureLeft = 150;
constexpr int kPictureTop = 300;
constexpr int kSideMargins = 2 * kPictureLeft;
constexpr Point kNameLine{0, 150};

const std::string kCaption = "Print";
const std::string kNoPrinter =
    "There is no printer to print on, or its page is too narrow for the picture.\r"
    "Choose a printer, or printing to a file, with Print Setup.";
const std::string kEmptyPicture = "The picture is empty: there is nothing to print.";
const std::string kNotStarted = "The printer could not start the print job.\rNothing was printed.";
const std::string kCancelled =
    "The picture could not be put on the page, so the print job was cancelled.\r"
    "Nothing was printed.";
const std::string kNotSent =
    "The printer did not take the page.\rCheck the printer, or choose another with Print Setup.";

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
    platform.messageBox(why, kCaption, MessageIcon::Error);
    return false;
}

}  // namespace

bool PrintImage(Platform& platform, const Picture& image, const std::string& userName) {
    const int pageWidth = platform.printerPageWidth();
    if (pageWidth <= kSideMargins) {
        return fail(platform, kNoPrinter);
    }
    if (!image.canvas || image.width <= 0 || image.canvas->width() <= 0 ||
        image.canvas->height() <= 0) {
        return fail(platform, kEmptyPicture);
    }
    const Rect onPage = pageRectFor(*image.canvas, image.width, pageWidth);
    if (onPage.width() <= 0 || onPage.height() <= 0) {
        return fail(platform, kNoPrinter);
    }

    if (!platform.beginPrintJob()) {
        return fail(platform, kNotStarted);
    }
    const bool named =
        userName.empty() || platform.printText(kNameLine.x, kNameLine.y, "Printed by: " + userName);
    if (!named || !platform.printPicture(*image.canvas, onPage)) {
        platform.abortPrintJob();
        return fail(platform, kCancelled);
    }
    if (!platform.endPrintJob()) {
        return fail(platform, kNotSent);
    }
    return true;
}
