#pragma once
// Names under which the desktop keeps its settings.
namespace lumoscope::ui {
inline constexpr const char* kOrganisation = "VXR";
inline constexpr const char* kApplication = "Lumoscope";
}  // namespace lumoscope::ui
