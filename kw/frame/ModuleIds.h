#pragma once
// Resource numbers that belong to the module as a whole.

namespace kw {

constexpr int kBitmapCheckOn = 8134;  // check-box cell, checked
constexpr int kBitmapCheckOff = 8136; // check-box cell, not checked
constexpr int kIconDelete = 206;
constexpr int kIconAdd = 212;

} // namespace kw
