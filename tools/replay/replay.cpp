// SPDX-License-Identifier: MIT
// Plays a seeded random user and prints one digest a step: of every drawing call the step
// made ("calls"), or of every picture's pixels after it ("pixels"), together with every
// handle, caption and check mark of both windows. Two builds that print the same lines
// behaved the same, step for step; scripts/compare-replay.sh runs it on two commits.
//
//   lightbox_replay EDITION SEED STEPS calls|pixels [STEP_TO_SHOW]
//
// With STEP_TO_SHOW the digest's contents for that step are printed in full as well. The
// user leaves the teaching aids (random_use::isTeachingAid) off, so that a tree compares
// with one from before them; LIGHTBOX_REPLAY_TEACHING_AIDS=1 plays them too, for trees that
// both have them.
#include <QGuiApplication>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "canvas/qt_canvas.h"
#include "canvas/recording_canvas.h"
#include "support/random_user.h"

// An older tree, handed this tool to compare with, may not have it; its pictures' memory is
// then left as the C library keeps it.
#if __has_include("canvas/picture_memory.h")
#include "canvas/picture_memory.h"
#else
inline void handFreedPicturesBack() {}
#endif

namespace {

constexpr int kLargestHashedPicture = 4'000'000;

// Everything a step leaves behind, as text; its hash is the step's digest.
class StepRecord {
  public:
    std::ostringstream text;

    std::uint64_t hash() const {
        std::uint64_t h = 14695981039346656037ull;  // FNV-1a
        for (const unsigned char c : text.str()) {
            h = (h ^ c) * 1099511628211ull;
        }
        return h;
    }
};

void writeCall(std::ostream& out, const DrawCall& call) {
    out << static_cast<int>(call.op);
    for (const int a : call.args) {
        out << ' ' << a;
    }
    for (const Point& p : call.points) {
        out << ' ' << p.x << ',' << p.y;
    }
    out << " '" << call.text << "' pen " << call.pen.color << '/' << call.pen.width << '/'
        << static_cast<int>(call.pen.style) << " brush " << call.brush.color << '/'
        << static_cast<int>(call.brush.style) << " font '" << call.font.family << "' "
        << call.font.pixelSize << '/' << call.font.bold << '/' << call.font.color << '\n';
}

void writeControl(std::ostream& out, const char* name, const Control& c) {
    out << name << " '" << c.caption << "' " << c.visible << c.enabled << ' ' << c.left << ','
        << c.top << ' ' << c.width << 'x' << c.height << '\n';
}

void writeMenu(std::ostream& out, const MenuItem& item) {
    // A teaching aid that is off says nothing of what a tree without it does, so that trees
    // with and without it compare equal while the user leaves it alone.
    if (random_use::isTeachingAid(item) && !item.checked) {
        return;
    }
    writeControl(out, "menu", item);
    out << "  checked " << item.checked << '\n';
    for (const MenuItem* child : item.items) {
        writeMenu(out, *child);
    }
}

#define CONTROL(owner, name) writeControl(out, #name, owner.name)

void writeMainWindow(std::ostream& out, const Treframain& w) {
    for (const MenuItem* item : w.MainMenu1) {
        writeMenu(out, *item);
    }
    for (const MenuItem* item : w.PopupMenu1) {
        writeMenu(out, *item);
    }
    CONTROL(w, form);
    CONTROL(w, Panel1);
    CONTROL(w, planeim);
    CONTROL(w, copyshape);
    CONTROL(w, dsh1);
    CONTROL(w, dsh2);
    CONTROL(w, dsh3);
    CONTROL(w, ssh1);
    CONTROL(w, ssh2);
    CONTROL(w, ssh3);
    CONTROL(w, mid1);
    CONTROL(w, mid2);
    CONTROL(w, mid3);
    CONTROL(w, centerg);
    CONTROL(w, GroupBox1);
    CONTROL(w, leftgb);
    CONTROL(w, rightgb);
    CONTROL(w, lradiuslb);
    CONTROL(w, Rradiuslb);
    CONTROL(w, lenswlb);
    CONTROL(w, llb);
    CONTROL(w, slitlb);
    CONTROL(w, slb);
    CONTROL(w, anslb);
    CONTROL(w, ianglelb);
    CONTROL(w, zoomlb);
    CONTROL(w, hintslb);
    CONTROL(w, indexgb);
    CONTROL(w, glasslb);
    CONTROL(w, airlb);
    CONTROL(w, widthsb);
    CONTROL(w, slitsb);
    out << "positions " << w.lradiussb.position() << ' ' << w.rradiussb.position() << ' '
        << w.widthsb.position() << ' ' << w.slitsb.position() << ' ' << w.scalesb.position() << ' '
        << w.glassindex.position() << ' ' << w.airindex.position() << '\n';
    out << "kinds " << w.leftcb.itemIndex << ' ' << w.rightcb.itemIndex << " checks "
        << w.domeasurecb.checked() << w.measurerb.checked() << w.Anglerb.checked()
        << w.Oneclrb.checked() << w.threeclrb.checked() << " page " << w.taboptions.pageIndex()
        << " cursor " << static_cast<int>(w.planeim.cursor) << '\n';
}

void writePractice(std::ostream& out, const TProfrm& p) {
    CONTROL(p, csh);
    CONTROL(p, msh);
    CONTROL(p, lsh);
    CONTROL(p, dsh);
    CONTROL(p, Label1);
    CONTROL(p, Label2);
    CONTROL(p, anallb);
    CONTROL(p, Label3);
    CONTROL(p, hintlb);
    CONTROL(p, Ang1rb);
    CONTROL(p, ang2rb);
    out << "practice page " << p.practicenb.pageIndex() << " cursor "
        << static_cast<int>(p.proim.cursor) << '\n';
}

#undef CONTROL

// A canvas that records, so that each step's calls can be written out and forgotten.
struct Canvases {
    std::vector<RecordingCanvas*> recording;
    std::vector<QtCanvas*> raster;
};

CanvasFactory factoryFor(bool pixels, Canvases& canvases) {
    return [pixels, &canvases](int width, int height) -> std::unique_ptr<Canvas> {
        if (pixels) {
            auto canvas = std::make_unique<QtCanvas>(width, height);
            canvases.raster.push_back(canvas.get());
            return canvas;
        }
        auto canvas = std::make_unique<RecordingCanvas>(width, height);
        canvases.recording.push_back(canvas.get());
        return canvas;
    };
}

void writePictures(std::ostream& out, Canvases& canvases) {
    for (std::size_t i = 0; i < canvases.recording.size(); ++i) {
        for (const DrawCall& call : canvases.recording[i]->calls) {
            out << "canvas " << i << ": ";
            writeCall(out, call);
        }
        canvases.recording[i]->clear();
    }
    for (std::size_t i = 0; i < canvases.raster.size(); ++i) {
        const QImage& image = canvases.raster[i]->image();
        std::uint64_t h = 14695981039346656037ull;
        // A copy selection dragged far past the bench makes a huge, mostly white clipboard
        // picture; its size tells enough, and hashing it every step would take minutes.
        const int rows =
            image.width() * image.height() > kLargestHashedPicture ? 0 : image.height();
        for (int y = 0; y < rows; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                h = (h ^ (line[x] & 0xFFFFFFu)) * 1099511628211ull;
            }
        }
        out << "picture " << i << ' ' << image.width() << 'x' << image.height() << ' ' << std::hex
            << h << std::dec << '\n';
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s EDITION SEED STEPS calls|pixels [STEP_TO_SHOW]\n", argv[0]);
        return 2;
    }
    // As the program does, so that the replay's memory is the program's.
    handFreedPicturesBack();
    const std::string edition = argv[1];
    const std::uint64_t seed = std::strtoull(argv[2], nullptr, 10);
    const std::uint64_t steps = std::strtoull(argv[3], nullptr, 10);
    const bool pixels = std::string(argv[4]) == "pixels";
    const long long shown = argc > 5 ? std::atoll(argv[5]) : -1;

    // Text on a raster picture needs the application object; the offscreen platform will do.
    int qtArgc = 1;
    QGuiApplication application(qtArgc, argv);

    Canvases canvases;
    const RandomUser::TeachingAids aids = std::getenv("LIGHTBOX_REPLAY_TEACHING_AIDS") != nullptr
                                              ? RandomUser::TeachingAids::Played
                                              : RandomUser::TeachingAids::LeftAlone;
    RandomUser user(seed, edition, factoryFor(pixels, canvases),
                    pixels ? RandomUser::kAcrossAScreen : RandomUser::kFarPastAnyScreen, aids);
    for (std::uint64_t step = 0; step <= steps; ++step) {
        // Step 0 is the started window.
        const std::string action = step == 0 ? "start" : user.step();
        StepRecord record;
        writePictures(record.text, canvases);
        writeMainWindow(record.text, user.window());
        writePractice(record.text, user.practice());
        std::printf("%llu\t%016llx\t%s\n", static_cast<unsigned long long>(step),
                    static_cast<unsigned long long>(record.hash()), action.c_str());
        if (static_cast<long long>(step) == shown) {
            std::printf("%s", record.text.str().c_str());
        }
    }
    return 0;
}
