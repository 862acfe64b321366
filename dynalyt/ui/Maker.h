#pragma once
// The maker of the program, as the main form's caption and the about form show it.

namespace dynalyt {

inline constexpr const char* MakerName = "Quellbach Messtechnik";
inline constexpr const char* MakerAddress = "www.quellbach.example.org";
inline constexpr const char* MakerUrl = "http://www.quellbach.example.org";
inline constexpr const char* MakerHint = "Professionelle Diagnosesysteme zu günstigen Preisen!";

} // namespace dynalyt
