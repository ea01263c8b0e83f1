// Keeps the library non-empty until the main window is built.
namespace rv::ui {
int shellPlaceholder() { return 0; }
} // namespace rv::ui
