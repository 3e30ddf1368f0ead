/// \file
/// The handle types of the library's flat interface, declared once. A handle
/// is a plain pointer to the library's own object; callers never see inside
/// it. Scenes and scene collections travel as their interfaces instead
/// (Izv_scene*, Izv_scns2d*, zv/izv_scene.h). In C every handle is an
/// incomplete struct; in C++ the handles are classes and the interfaces
/// structs, as they are defined.
#pragma once

#include "zv/flat.h"

// View parameters of a 2D scene.
ZV_DECLARE_CLASS(Tzv_profil_data);
ZV_DECLARE_CLASS(Tzv_graticule2d_line);
ZV_DECLARE_CLASS(Tzv_graticule2d_grid);
ZV_DECLARE_CLASS(Tzv_graticule2d_frame);
ZV_DECLARE_CLASS(Tzv_graticule2d_ticks);
ZV_DECLARE_CLASS(Tzv_graticule2d_params);
ZV_DECLARE_CLASS(Tzv_scale_line2d_params);
ZV_DECLARE_CLASS(Tzv_lookmark2d);
ZV_DECLARE_CLASS(Tzv_lookmarks2d);
ZV_DECLARE_CLASS(Tzv_clip2d_params);
ZV_DECLARE_CLASS(Tzv_extent_ind2d);
ZV_DECLARE_CLASS(Tzv_margins_obj);

// The interfaces (zv/izv_entity.h, zv/izv_scene.h): classes in C++, handles in C.
ZV_DECLARE_STRUCT(Izv_updatable);
ZV_DECLARE_STRUCT(Izv_entity);
ZV_DECLARE_STRUCT(Izv_entities);
ZV_DECLARE_STRUCT(Izv_layer);
ZV_DECLARE_STRUCT(Izv_scene);
ZV_DECLARE_STRUCT(Izv_scns2d);
ZV_DECLARE_STRUCT(Izv_layer_list);
ZV_DECLARE_STRUCT(Tzv_lr_group);  // a node of the layer group tree (root, group or layer slot)

// The builder that fills a scene with layers made from source names.
ZV_DECLARE_CLASS(Tzv_scene_2d_builder);

// The names under which a scene takes its parameter objects.
/// Graticule parameters as a scene takes them (zv/graticule.h).
typedef Tzv_graticule2d_params Izv_graticule_params;
/// Scale line parameters as a scene takes them (zv/scale_line.h).
typedef Tzv_scale_line2d_params Izv_scale_line_params;
/// Lookmarks as a scene takes them (zv/lookmarks.h).
typedef Tzv_lookmarks2d Izv_lookmarks;
