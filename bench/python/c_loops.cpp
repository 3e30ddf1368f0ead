// The C++ side of bench/python/bench.py: the loops that the Python bench
// times through the zvk package, here calling the exports directly. Prints
// the best CPU time of each over the repetitions:
//   getter <ns per call>      zv_scn_2d_get_marked on a scene
//   add <ns per layer>        N vector layers added to a new scene in one bracket
// Usage: zv_python_c_loops [repetitions] [layers]
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "zv/scn_2d.h"
#include "zv/sibling/entity.h"

namespace {

double cpu_ns() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
}

double getter_ns(Izv_scene* scene, long calls) {
  long marked = 0;
  double const start = cpu_ns();
  for (long i = 0; i < calls; ++i) marked += zv_scn_2d_get_marked(scene) ? 1 : 0;
  double const ns = (cpu_ns() - start) / static_cast<double>(calls);
  return marked == 0 ? ns : -1;  // a new scene is not marked
}

double add_ns(long layers) {
  Izv_scene* scene = zv_scn_2d_create();
  double const start = cpu_ns();
  zv_scn_begin_update(scene);
  for (long i = 0; i < layers; ++i) zv_scn_2d_add_layer_type_name(scene, "vector");
  zv_scn_end_update(scene);
  double const ns = (cpu_ns() - start) / static_cast<double>(layers);
  zv_scn_2d_destroy(scene);
  return ns;
}

}  // namespace

int main(int argc, char** argv) {
  int const repetitions = argc > 1 ? std::atoi(argv[1]) : 5;
  long const layers = argc > 2 ? std::atol(argv[2]) : 100000;
  Izv_scene* scene = zv_scn_2d_create();
  double getter = 1e300, add = 1e300;
  for (int r = 0; r < repetitions; ++r) {
    getter = std::min(getter, getter_ns(scene, 1000000));
    add = std::min(add, add_ns(layers));
  }
  zv_scn_2d_destroy(scene);
  std::printf("getter %.3f\nadd %.3f\n", getter, add);
  return getter < 0 ? 1 : 0;
}
