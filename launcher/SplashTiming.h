#pragma once

// How long the splash stays: 10 000 ms, or the value of the environment variable
// TREVLON_SPLASH_MS (tests and scripts) when it holds a whole number >= 0.

namespace launcher {

inline constexpr unsigned kSplashTimerId = 1;
inline constexpr unsigned kSplashMilliseconds = 10000;

unsigned splashMilliseconds();

} // namespace launcher
