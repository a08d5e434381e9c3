#pragma once

// The maker's addresses, opened from the about box and the choosers.
namespace maker {
inline constexpr const char* webAddress = "https://palabrino.example.org/";
inline constexpr const char* mailAddress = "palabrino@example.org";
} // namespace maker
