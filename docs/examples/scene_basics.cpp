// Handles and ownership: a host keeps a scene collection, adds a scene,
// reads its caption through a string adapter and works on the scene's own
// parameter objects. Exits with 1 when the library does not answer as the
// guide says.
#include <cstdio>
#include <string>

#include "zv/margins.h"
#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

// [text_sink]
// Text comes out of the library through an adapter that the caller makes:
// the library feeds the text, the adapter calls back into the caller.
class Tzv_wtext {
 public:
  Tzv_wtext() : adp_(zv_string_adp_create(nullptr, &take, this)) {}
  ~Tzv_wtext() { zv_string_adp_destroy(adp_); }
  Tzv_wtext(Tzv_wtext const&) = delete;
  Tzv_wtext& operator=(Tzv_wtext const&) = delete;

  Izv_string_adp* adapter() const { return adp_; }
  std::wstring const& text() const { return text_; }

 private:
  static void take(wchar_t const* s, void* self) { static_cast<Tzv_wtext*>(self)->text_ = s ? s : L""; }

  Izv_string_adp* adp_;
  std::wstring text_;
};
// [text_sink]

// [ownership]
bool collection_owns_its_scenes() {
  Izv_scns2d* maps = zv_scns_2d_create();   // the host's: ended by zv_scns_2d_destroy
  Izv_scene* scene = zv_scns_2d_add(maps);  // borrowed: the collection owns it
  zv_scn_2d_set_wcaption(scene, L"Harbour");

  Tzv_wtext caption;
  zv_scn_2d_get_wcaption(scene, caption.adapter());

  // Setters copy into the scene's own object; getters hand that object out.
  Tzv_margins_obj* mine = zv_margins_create();  // the host's: ended by zv_margins_destroy
  zv_margins_set_lft(mine, 25);
  zv_scn_2d_set_margins(scene, mine);
  zv_margins_destroy(mine);                                 // the scene keeps its copy
  Tzv_margins_obj* own = zv_scn_2d_get_margins_ptr(scene);  // borrowed: never destroyed by the host

  bool const ok = caption.text() == L"Harbour" && zv_margins_get_lft(own) == 25;
  zv_scns_2d_destroy(maps);  // destroys the scene too
  return ok;
}
// [ownership]

// [null_rule]
bool null_handles_are_answered() {
  Tzv_box_d2 box{};
  return !zv_scn_2d_get_box(nullptr, &box) && zv_scns_2d_get(nullptr, 0) == nullptr &&
         zv_scn_2d_get_layer_count(nullptr) == 0;
}
// [null_rule]

int main() {
  bool const ok = collection_owns_its_scenes() && null_handles_are_answered();
  std::puts(ok ? "scene_basics: ok" : "scene_basics: FAILED");
  return ok ? 0 : 1;
}
