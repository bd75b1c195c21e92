// SPDX-License-Identifier: MIT
#include "bench/ray_path.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "canvas/recording_canvas.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr TColor kOrange = 0x00B9FF;

// A bench at zoom 1 with the device centred exactly on the bench centre.
BenchState slabBench(int width) {
    BenchState bench = createdBench(769, 344, 20, 20);
    bench.surfaceKind = {{kPlane, kPlane}};
    bench.deviceWidth = width;
    return bench;
}

// What one ray drew, the canvas's pen holding the ray colour as the incident ray leaves it.
struct Traced {
    std::vector<DrawCall> calls;
    std::vector<DrawCall> of(DrawOp op) const {
        std::vector<DrawCall> found;
        for (const DrawCall& call : calls) {
            if (call.op == op) {
                found.push_back(call);
            }
        }
        return found;
    }
    std::vector<DrawCall> lines() const { return of(DrawOp::Line); }
};

Traced trace(const BenchState& bench, RayEntry entry, bool mirror = false, bool extend = false,
             int widthPosition = 100) {
    RecordingCanvas canvas(769, 344);
    canvas.pen = {kOrange, 2, PenStyle::Solid};
    const RayPass pass{canvas, bench, mirror, false, extend, 35, 769, widthPosition};
    traceThroughDevice(pass, entry);
    return {canvas.calls};
}

std::vector<int> endpoints(const DrawCall& line) {
    return line.args;
}

TEST(RayPath, theWorkedExampleLeavesAPlaneSlabParallelToTheIncidentRay) {
    // Going down to the right at 30 degrees onto a plane face: read-out 30.0, inside
    // angle -19.34 degrees, out again at -30 degrees.
    const BenchState bench = slabBench(100);
    const Traced traced = trace(bench, {{335, 100}, -kPi / 6, 0.0, 1, 2, false});
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 2u);
    // 100 + 99 tan(19.34 degrees) = 134.74
    EXPECT_EQ(endpoints(lines[0]), (std::vector<int>{335, 100, 434, 134}));
    // 769 pixels at -30 degrees from (434, 134.74): (1099.97, 519.24)
    EXPECT_EQ(endpoints(lines[1]), (std::vector<int>{434, 134, 1099, 519}));
    EXPECT_EQ(lines[1].pen.color, kOrange);
    EXPECT_EQ(lines[1].pen.width, 2);
}

TEST(RayPath, totalInternalReflectionAtTheRightSurfaceIsReportedWithAShortStub) {
    // A half disc: plane left face, convex right surface of radius 172 through the
    // aperture ends. A horizontal ray meets the curve at asin(|d| / 172) from its normal;
    // beyond asin(1 / 1.51) = 41.47 degrees (|d| > 113.9) it cannot leave.
    BenchState bench = slabBench(57);
    bench.surfaceKind = {{kPlane, kConvex}};
    bench.radiusFactor = {{1.0, 1.0}};
    bench.surfaceCentreDist = {{0.0, chordCentreDistance(172.0, 162)}};

    const Traced reflected = trace(bench, {{357, 52}, 0.0, 0.0, 1, 2, false});
    const auto texts = reflected.of(DrawOp::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Internally reflected");
    const auto stub = reflected.lines().back();
    const double stubLength = std::hypot(stub.args[2] - stub.args[0], stub.args[3] - stub.args[1]);
    EXPECT_NEAR(stubLength, 35.0, 1.5);

    const Traced emergent = trace(bench, {{357, 72}, 0.0, 0.0, 1, 2, false});
    EXPECT_TRUE(emergent.of(DrawOp::Text).empty());
    const auto out = emergent.lines().back();
    EXPECT_NEAR(std::hypot(out.args[2] - out.args[0], out.args[3] - out.args[1]), 769.0, 1.5);
}

TEST(RayPath, aSteepRayReflectsOnceAtTheBottomFaceAndLeavesTheRightSurface) {
    // Width 300: the ray enters at (235, 300) going down at 60 degrees, 35 degrees inside,
    // meets the bottom face at x 283.56 beyond the critical angle, turns up and leaves the
    // right face at (534, 158.66), parallel to where it came from but rising.
    const BenchState bench = slabBench(300);
    const Traced traced = trace(bench, {{235, 300}, -kPi / 3, 0.0, 1, 2, false}, false, false, 300);
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(endpoints(lines[0]), (std::vector<int>{235, 300, 283, 334}));
    EXPECT_EQ(endpoints(lines[1]), (std::vector<int>{283, 334, 534, 158}));
    // Out at +60 degrees: up and to the right.
    EXPECT_GT(lines[2].args[2], lines[2].args[0]);
    EXPECT_NEAR(static_cast<double>(lines[2].args[1] - lines[2].args[3]) /
                    (lines[2].args[2] - lines[2].args[0]),
                std::tan(kPi / 3), 0.01);
}

TEST(RayPath, belowTheCriticalAngleARayLeavesThroughTheFaceAndIsNotFollowed) {
    // Air of index 1.30 raises the critical angle to 59.4 degrees: the ray inside at 48.2
    // degrees meets the bottom face at 41.8 degrees from its normal and leaves there.
    BenchState bench = slabBench(300);
    bench.airIndex() = 1.3;
    const Traced traced = trace(bench, {{235, 300}, -kPi / 3, 0.0, 1, 2, false}, false, false, 300);
    const auto lines = traced.lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].args[3], 334);
    const auto out = lines[1];
    EXPECT_NEAR(std::hypot(out.args[2] - out.args[0], out.args[3] - out.args[1]), 350.0, 1.5);
    EXPECT_GT(out.args[3], 334);  // below the device
}

TEST(RayPath, aMirrorReflectsEveryRayAndDrawsNothingBehindIt) {
    const BenchState bench = slabBench(5);
    const Traced plain = trace(bench, {{382, 100}, -kPi / 6, 0.0, 1, 2, false}, true);
    const auto lines = plain.lines();
    ASSERT_EQ(lines.size(), 1u);
    // Down to the right at 30 degrees comes back down to the left, 600 pixels long
    // (sin 30 degrees is a hair under 0.5 in floating point, so 100 + 300 truncates to 399).
    EXPECT_EQ(endpoints(lines[0]), (std::vector<int>{382, 100, -137, 399}));
    EXPECT_EQ(lines[0].pen.color, bench.sourceColour);
    EXPECT_EQ(lines[0].pen.width, 2);

    const Traced extended = trace(bench, {{382, 100}, -kPi / 6, 0.0, 1, 2, false}, true, true);
    const auto withExtension = extended.lines();
    ASSERT_EQ(withExtension.size(), 2u);
    // Its continuation behind the mirror: red, dotted, 500 pixels, up to the right.
    EXPECT_EQ(withExtension[1].pen, (Pen{colours::red, 1, PenStyle::Dot}));
    EXPECT_EQ(endpoints(withExtension[1]), (std::vector<int>{382, 100, 815, -149}));
}

TEST(RayPath, withRefractionHiddenOnlyTheIncidentRayRemains) {
    const BenchState bench = slabBench(100);
    EXPECT_TRUE(trace(bench, {{335, 100}, -kPi / 6, 0.0, 1, 2, true}).calls.empty());
    EXPECT_TRUE(trace(bench, {{335, 100}, -kPi / 6, 0.0, 1, 2, true}, true).calls.empty());
}

TEST(RayPath, aHorizontalRayAlongTheTopEdgeIsFollowedToTheRightSurface) {
    const BenchState bench = slabBench(100);
    const auto lines = trace(bench, {{335, 10}, 0.0, 0.0, 1, 2, false}).lines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(endpoints(lines[0]), (std::vector<int>{335, 10, 434, 10}));
    EXPECT_EQ(endpoints(lines[1]), (std::vector<int>{434, 10, 1203, 10}));
}

TEST(RayPath, aGrazingRayAtASineOfExactlyOneStaysFinite) {
    // Air as dense as the glass's index for colour 1 (1.50 + 0.01): a ray at 90 degrees
    // to the normal refracts at exactly 90 degrees, running along the surface.
    BenchState bench = slabBench(100);
    bench.airIndex() = 1.51;
    bench.glassIndex() = 1.50;
    const Traced traced = trace(bench, {{335, 100}, -kPi / 2, 0.0, 1, 2, false});
    for (const DrawCall& call : traced.calls) {
        for (int value : call.args) {
            EXPECT_LT(std::abs(value), 20'000'000);
        }
    }
}

}  // namespace
