// Writes the program's icon, group 102 of its compiled resources, as the
// PNG files of a hicolor icon theme (DIR/16x16/apps/NAME.png, ...), so
// that the desktop shows the images the window shows. Of two images of one
// size the one with more colors is kept.
//
//   icon_pngs DIR NAME
#include <cstdio>
#include <map>
#include <string>

#include "../../resources/program_resources.h"
#include "../../resources/resource.h"
#include "../shared/resources.h"
#include "icons.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: icon_pngs DIR NAME\n");
    return 2;
  }
  res::ProgramResources program;
  if (!res::ReadProgramResources(kProgramResources, kProgramResourcesSize, &program) ||
      program.icons.count(IDI_APP) == 0) {
    std::fprintf(stderr, "icon_pngs: no icon group %d in the resources\n", IDI_APP);
    return 1;
  }
  std::map<int, GdkPixbuf*> bySize;  // the images come with fewer colors first
  GList* pictures = gtkwin::IconPictures(program.icons[IDI_APP]);
  for (GList* p = pictures; p; p = p->next) bySize[gdk_pixbuf_get_width(GDK_PIXBUF(p->data))] = GDK_PIXBUF(p->data);
  int status = bySize.empty() ? 1 : 0;
  for (const auto& [size, picture] : bySize) {
    const std::string folder = std::string(argv[1]) + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    GError* error = nullptr;
    if (g_mkdir_with_parents(folder.c_str(), 0755) != 0 ||
        !gdk_pixbuf_save(picture, (folder + "/" + argv[2] + ".png").c_str(), "png", &error, nullptr)) {
      std::fprintf(stderr, "icon_pngs: cannot write %s/%s.png%s%s\n", folder.c_str(), argv[2], error ? ": " : "",
                   error ? error->message : "");
      if (error) g_error_free(error);
      status = 1;
    }
  }
  g_list_free_full(pictures, g_object_unref);
  return status;
}
