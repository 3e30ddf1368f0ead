/// \file
/// The handle types of the library's flat interface, declared once. A handle
/// is a plain pointer to the library's own object; callers never see inside
/// it. Scenes and scene collections travel as their interfaces instead
/// (Izv_scene*, Izv_scns2d*, zv/izv_scene.h). Every class here is defined
/// with the class key `class`.
#pragma once

// View parameters of a 2D scene.
class Tzv_profil_data;
class Tzv_graticule2d_line;
class Tzv_graticule2d_grid;
class Tzv_graticule2d_frame;
class Tzv_graticule2d_ticks;
class Tzv_graticule2d_params;
class Tzv_scale_line2d_params;
class Tzv_lookmark2d;
class Tzv_lookmarks2d;
class Tzv_clip2d_params;
class Tzv_extent_ind2d;
class Tzv_margins_obj;

// The builder that fills a scene with layers made from source names.
class Tzv_scene_2d_builder;

// The names under which a scene takes its parameter objects.
/// Graticule parameters as a scene takes them (zv/graticule.h).
typedef Tzv_graticule2d_params Izv_graticule_params;
/// Scale line parameters as a scene takes them (zv/scale_line.h).
typedef Tzv_scale_line2d_params Izv_scale_line_params;
/// Lookmarks as a scene takes them (zv/lookmarks.h).
typedef Tzv_lookmarks2d Izv_lookmarks;
