#pragma once

#include <QLatin1String>

// The section in which a category file and a skin's info.ini describe
// themselves to the choosers, and its keys.
namespace description {
constexpr QLatin1String section("Acerca");
constexpr QLatin1String name("Nombre");
constexpr QLatin1String author("Autor");
constexpr QLatin1String mail("E-Mail");
constexpr QLatin1String comment("Comentario");
} // namespace description
