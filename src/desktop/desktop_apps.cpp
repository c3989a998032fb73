// The desktop's programs, from GIO's registry of them (the shared desktop entries and
// the person's choices of defaults).

#include <gio/gio.h>

#include <algorithm>

#include "desktop/qt_services.h"

namespace velmora::desktop {
namespace {

// Programs without a desktop entry cannot be found again by id: left out.
void AddApplication(std::vector<Application>& apps, GAppInfo* app, bool byDefault) {
  const char* id = g_app_info_get_id(app);
  const char* name = g_app_info_get_display_name(app);
  if (id && name) apps.push_back({id, name, byDefault});
}

}  // namespace

std::vector<Application> DesktopUrlLauncher::ApplicationsFor(const std::string& path) {
  gboolean uncertain = FALSE;
  gchar* type = g_content_type_guess(path.c_str(), nullptr, 0, &uncertain);  // reads nothing
  std::vector<Application> apps;
  GAppInfo* first = g_app_info_get_default_for_type(type, FALSE);
  if (first) AddApplication(apps, first, true);
  GList* recommended = g_app_info_get_recommended_for_type(type);
  for (GList* l = recommended; l; l = l->next) {
    auto* app = static_cast<GAppInfo*>(l->data);
    if (!first || !g_app_info_equal(app, first)) AddApplication(apps, app, false);
  }
  g_list_free_full(recommended, g_object_unref);
  if (first) g_object_unref(first);
  g_free(type);
  return apps;
}

std::vector<Application> DesktopUrlLauncher::AllApplications() {
  std::vector<Application> apps;
  GList* all = g_app_info_get_all();
  for (GList* l = all; l; l = l->next) {
    auto* app = static_cast<GAppInfo*>(l->data);
    if (g_app_info_should_show(app)) AddApplication(apps, app, false);
  }
  g_list_free_full(all, g_object_unref);
  std::sort(apps.begin(), apps.end(), [](const Application& a, const Application& b) {
    return g_utf8_collate(a.name.c_str(), b.name.c_str()) < 0;
  });
  return apps;
}

bool DesktopUrlLauncher::OpenWith(const std::string& id, const std::vector<std::string>& paths) {
  GAppInfo* app = nullptr;
  GList* all = g_app_info_get_all();
  for (GList* l = all; l && !app; l = l->next) {
    const char* each = g_app_info_get_id(static_cast<GAppInfo*>(l->data));
    if (each && id == each) app = static_cast<GAppInfo*>(g_object_ref(l->data));
  }
  g_list_free_full(all, g_object_unref);
  if (!app) return false;
  GList* files = nullptr;
  for (auto path = paths.rbegin(); path != paths.rend(); ++path)
    files = g_list_prepend(files, g_file_new_for_path(path->c_str()));  // the bytes as they are
  GError* error = nullptr;
  const bool started = g_app_info_launch(app, files, nullptr, &error);
  if (error) g_error_free(error);
  g_list_free_full(files, g_object_unref);
  g_object_unref(app);
  return started;
}

}  // namespace velmora::desktop
