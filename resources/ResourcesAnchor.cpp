// qt_add_resources compiles the artwork into this library; a static library needs one source.
namespace kestrom {
extern const int kResourcesLibrary;
const int kResourcesLibrary = 1;
} // namespace kestrom
