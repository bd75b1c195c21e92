// SPDX-License-Identifier: MIT
#pragma once

// What the status line says of a handle or a control under the mouse; the same texts
// describe them to assistive technology.
namespace hints {
inline constexpr const char* kSourceHandle = "Drag to change angle of incident ray.";
inline constexpr const char* kAimHandle = "Drag to move point of contact of incident ray.";
inline constexpr const char* kMiddleHandle = "Drag to move incident ray parallel";
inline constexpr const char* kCentreHandle = "Drag to move position of lens.";
inline constexpr const char* kReset =
    "Moves lens to center of the screen and resets magnifaction to original size.";
inline constexpr const char* kZoom = "Zooms in or out on the optical device.";
inline constexpr const char* kDevicePage = "Use to adjust lens properties.";
inline constexpr const char* kMeasurementPage =
    "Select type of measurement needed and protractor practice.";
}  // namespace hints
