// The program's own look, "ruvizezevuv": a style sheet carried in the resources and the tab
// style that draws the count badges.
#pragma once

class QApplication;

namespace rvz::app {

// Applies the theme; when the style sheet cannot be read, says so and leaves the default look.
void TemaUygula(QApplication& uygulama);

} // namespace rvz::app
