// Keeps the library non-empty until the link layer is built.
namespace rv::link {
int placeholder() { return 0; }
} // namespace rv::link
