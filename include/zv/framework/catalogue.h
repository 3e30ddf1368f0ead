// The interface catalogue: every interface of the framework with its version,
// whether an adapter class zv::X_impl exists, and its operations where they
// are fixed. This table is the single source of the binding: handles, client
// types, contracts, entry points, adapters and contract tables are all
// generated from it (binding.h, adapters.h, src/framework).
//
// A row is one of
//   I(name, version, has_adapter, OPS)  OPS(O, X) expands O once per operation
//   V(name, version, has_adapter, Y)    a visitor whose one operation is visit(zv::Y)
// and an operation is O(X, op_name, result, (parameters), (argument names)),
// with parameter types as the object side sees them (zv::Y for interfaces).
#pragma once

// Operations in slot order (slot 0, generalize, is implicit).
#define ZV_OPS_NONE(O, X)

#define ZV_OPS_referrer(O, X)                   \
  O(X, invalidate, void, (zv::referent r), (r)) \
  O(X, reachable, bool, (), ())

#define ZV_OPS_referent(O, X)                    \
  O(X, retain, void, (zv::referrer r), (r))      \
  O(X, release, void, (zv::referrer r), (r))     \
  O(X, owner, zv::referent, (), ())              \
  O(X, as_referent, zv::referent, (), ())

#define ZV_OPS_string_visitor(O, X) O(X, visit, void, (wchar_t const* text), (text))
#define ZV_OPS_integers_visitor(O, X) O(X, visit, void, (uint64_t count, int* values), (count, values))
#define ZV_OPS_bigints_visitor(O, X) O(X, visit, void, (uint64_t count, int64_t* values), (count, values))
#define ZV_OPS_floatings_visitor(O, X) O(X, visit, void, (uint64_t count, double* values), (count, values))
#define ZV_OPS_short_floatings_visitor(O, X) O(X, visit, void, (uint64_t count, float* values), (count, values))
#define ZV_OPS_bytes_visitor(O, X) O(X, visit, void, (int size, unsigned char* bytes), (size, bytes))
#define ZV_OPS_interleaved_bytes_visitor(O, X) \
  O(X, visit, void, (int size, int stride, unsigned char* bytes), (size, stride, bytes))
#define ZV_OPS_twice_interleaved_bytes_visitor(O, X)                                     \
  O(X, visit, void, (int width, int height, int stride, int pitch, unsigned char* bytes), \
    (width, height, stride, pitch, bytes))
#define ZV_OPS_thrice_interleaved_bytes_visitor(O, X)                                                     \
  O(X, visit, void, (int width, int height, int depth, int stride, int pitch, int slice, char* bytes), \
    (width, height, depth, stride, pitch, slice, bytes))

#define ZV_OPS_extent_2d_visitor(O, X) \
  O(X, visit, void, (double x1, double y1, double x2, double y2), (x1, y1, x2, y2))

#define ZV_OPS_service_registry(O, X) \
  O(X, with_services, void, (wchar_t const* identifier, zv::service_visitor visitor), (identifier, visitor))

#define ZV_OPS_scene_2d_service(O, X)                                                         \
  O(X, as_referent, zv::referent, (), ())                                                     \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor))                           \
  O(X, with_new_scene, void, (zv::scene_2d_visitor visitor), (visitor))                       \
  O(X, with_new_scene_collection, void, (zv::scene_2d_collection_visitor visitor), (visitor)) \
  O(X, with_collection_meta_id, void, (zv::string_visitor visitor), (visitor))                \
  O(X, with_collection_caption, void, (zv::string_visitor visitor), (visitor))

#define ZV_OPS_scene_2d(O, X)                                             \
  O(X, reattach, void, (Izv_scene * scene), (scene))                      \
  O(X, assign, void, (zv::scene_2d source), (source))                     \
  O(X, with_extent, void, (zv::extent_2d_visitor visitor), (visitor))     \
  O(X, with_source, void, (zv::string_visitor visitor), (visitor))        \
  O(X, set_source, void, (wchar_t const* source), (source))

#define ZV_OPS_scene_2d_collection(O, X)                \
  O(X, reattach, void, (Izv_entity * collection), (collection)) \
  O(X, clear, void, (), ())

#define ZV_OPS_scene_2d_editor_extension_service(O, X)                                       \
  O(X, as_referent, zv::referent, (), ())                                                    \
  O(X, with_extensions, void, (zv::scene_2d_editor_extension_visitor visitor), (visitor))    \
  O(X, with_layer_adders, void, (zv::layer_2d_adder_visitor visitor), (visitor))             \
  O(X, with_filters, void, (zv::scene_editor_filter_visitor visitor), (visitor))             \
  O(X, with_dockers, void, (zv::docker_visitor visitor), (visitor))                          \
  O(X, set_scene, void, (Izv_scene * scene), (scene))                                        \
  O(X, with_layer_list_editor, void, (zv::layer_2d_list_editor_visitor visitor), (visitor))  \
  O(X, priority, int, (), ())

#define ZV_OPS_scene_editor_filter(O, X)                                                      \
  O(X, reattach, void, (bool attached), (attached))                                           \
  O(X, with_description, void, (zv::string_visitor visitor), (visitor))                       \
  O(X, with_mask, void, (zv::string_visitor visitor), (visitor))                              \
  O(X, supports, bool, (wchar_t const* source), (source))                                     \
  O(X, add, void, (Tzv_layer_builder * builder, wchar_t const* source), (builder, source))

#define ZV_OPS_service_factory(O, X) \
  O(X, with_services, void, (zv::bundle_context context, zv::service_visitor visitor), (context, visitor))

#define ZV_OPS_service_category_visitor(O, X) \
  O(X, visit, void, (wchar_t const* category, zv::service_factory factory), (category, factory))

#define ZV_OPS_bundle_context(O, X)         \
  O(X, as_referent, zv::referent, (), ()) \
  O(X, with_service_registry, void, (zv::service_registry_visitor visitor), (visitor))

#define ZV_OPS_bundle(O, X)                                                              \
  O(X, with_service_categories, void, (zv::service_category_visitor visitor), (visitor)) \
  O(X, install, void, (), ())                                                            \
  O(X, uninstall, void, (), ())                                                          \
  O(X, initialize, void, (), ())                                                         \
  O(X, finalize, void, (), ())

#define ZV_OPS_layer_2d_service(O, X)                              \
  O(X, as_referent, zv::referent, (), ())                          \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor)) \
  O(X, with_new_layer, void, (zv::layer_2d_visitor visitor), (visitor))

#define ZV_OPS_scene_2d_externalization_service(O, X)                                                 \
  O(X, as_referent, zv::referent, (), ())                                                             \
  O(X, with_tag_name, void, (zv::string_visitor visitor), (visitor))                                  \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor))                                   \
  O(X, with_collection_tag_name, void, (zv::string_visitor visitor), (visitor))                       \
  O(X, with_collection_meta_id, void, (zv::string_visitor visitor), (visitor))                        \
  O(X, externalize_collection, void, (zv::scene_2d_collection c, Tzv_xml_node * node, void* data),   \
    (c, node, data))                                                                                  \
  O(X, internalize_collection, void, (zv::scene_2d_collection c, Tzv_xml_node * node, void* data),   \
    (c, node, data))                                                                                  \
  O(X, externalize, void, (zv::scene_2d s, Tzv_xml_node * node, void* data), (s, node, data))         \
  O(X, internalize, void, (zv::scene_2d s, Tzv_xml_node * node, void* data), (s, node, data))

#define ZV_OPS_tool_service(O, X)                                                \
  O(X, as_referent, zv::referent, (), ())                                        \
  O(X, get_toolbars, void, (zv::category_tool_visitor visitor), (visitor))       \
  O(X, get_popup_menus, void, (zv::popup_menu_visitor visitor), (visitor))       \
  O(X, get_tool_sets, void, (zv::tool_set_visitor visitor), (visitor))           \
  O(X, priority, int, (), ())

#define ZV_OPS_localizer(O, X)                                                                  \
  O(X, as_referent, zv::referent, (), ())                                                       \
  O(X, with_string, void, (int id, zv::string_visitor visitor), (id, visitor))                  \
  O(X, with_bitmap, void, (int id, zv::thrice_interleaved_bytes_visitor visitor), (id, visitor)) \
  O(X, with_masked_bitmap, void, (int id, zv::masked_bitmap_visitor visitor), (id, visitor))    \
  O(X, reattach, void, (zv::localizer_client client), (client))

#define ZV_OPS_checkbox(O, X)                                                           \
  O(X, with_glyph, void, (zv::thrice_interleaved_bytes_visitor visitor), (visitor))     \
  O(X, with_caption, void, (zv::string_visitor visitor), (visitor))                     \
  O(X, with_hint, void, (zv::string_visitor visitor), (visitor))                        \
  O(X, enabled, bool, (), ())                                                           \
  O(X, indeterminate, bool, (), ())                                                     \
  O(X, value, bool, (), ())                                                             \
  O(X, commit, void, (bool checked), (checked))                                         \
  O(X, reattach, void, (zv::element_view view), (view))

// The visit operation of a visitor of one kind of object.
#define ZV_OPS_VISIT(O, X, Y) O(X, visit, void, (zv::Y object), (object))

// All 293 interfaces by family.
#define ZV_CATALOGUE(I, V) \
  /* Lifetime and value visitors */ \
  I(referrer, 1, 1, ZV_OPS_referrer) \
  I(referent, 1, 1, ZV_OPS_referent) \
  I(string_visitor, 0, 1, ZV_OPS_string_visitor) \
  I(floatings_visitor, 1, 1, ZV_OPS_floatings_visitor) \
  I(short_floatings_visitor, 1, 1, ZV_OPS_short_floatings_visitor) \
  I(integers_visitor, 1, 1, ZV_OPS_integers_visitor) \
  I(bigints_visitor, 0, 1, ZV_OPS_bigints_visitor) \
  I(bytes_visitor, 0, 0, ZV_OPS_bytes_visitor) \
  I(interleaved_bytes_visitor, 0, 0, ZV_OPS_interleaved_bytes_visitor) \
  I(twice_interleaved_bytes_visitor, 0, 0, ZV_OPS_twice_interleaved_bytes_visitor) \
  I(thrice_interleaved_bytes_visitor, 0, 1, ZV_OPS_thrice_interleaved_bytes_visitor) \
  /* Images */ \
  I(bitmap, 0, 1, ZV_OPS_NONE) \
  V(bitmap_visitor, 0, 1, bitmap) \
  I(masked_bitmap, 0, 1, ZV_OPS_NONE) \
  V(masked_bitmap_visitor, 0, 1, masked_bitmap) \
  /* Menus, dialogs, dock panels and the application */ \
  I(context_menu, 3, 1, ZV_OPS_NONE) \
  I(context_popup_menu, 0, 0, ZV_OPS_NONE) \
  I(context_menu_visitor, 3, 1, ZV_OPS_NONE) \
  I(button_box_handler, 0, 1, ZV_OPS_NONE) \
  I(button_box, 2, 1, ZV_OPS_NONE) \
  V(button_box_visitor, 2, 1, button_box) \
  V(modal_dialog_visitor, 101, 1, modal_dialog) \
  I(modal_dialog_view, 101, 1, ZV_OPS_NONE) \
  I(modal_dialog, 101, 1, ZV_OPS_NONE) \
  V(modal_dialog_service_visitor, 102, 1, modal_dialog_service) \
  I(modal_dialog_service, 102, 1, ZV_OPS_NONE) \
  V(modeless_dialog_visitor, 72, 1, modeless_dialog) \
  I(modeless_dialog_view, 2, 1, ZV_OPS_NONE) \
  I(modeless_dialog, 72, 1, ZV_OPS_NONE) \
  V(modeless_dialog_service_visitor, 72, 1, modeless_dialog_service) \
  I(modeless_dialog_service, 72, 1, ZV_OPS_NONE) \
  I(dock_panel_view, 0, 1, ZV_OPS_NONE) \
  I(dock_panel, 92, 1, ZV_OPS_NONE) \
  V(dock_panel_visitor, 92, 1, dock_panel) \
  I(dock_panel_service, 94, 1, ZV_OPS_NONE) \
  V(dock_panel_service_visitor, 94, 1, dock_panel_service) \
  I(docker, 92, 1, ZV_OPS_NONE) \
  V(docker_visitor, 91, 1, docker) \
  I(mdi_child, 92, 0, ZV_OPS_NONE) \
  V(mdi_child_visitor, 92, 0, mdi_child) \
  I(mdi_child_view, 0, 0, ZV_OPS_NONE) \
  I(main_form, 92, 0, ZV_OPS_NONE) \
  I(app_view, 4, 1, ZV_OPS_NONE) \
  I(app_events_service, 5, 1, ZV_OPS_NONE) \
  V(app_events_service_visitor, 5, 1, app_events_service) \
  I(app_service, 15, 1, ZV_OPS_NONE) \
  V(app_service_visitor, 15, 1, app_service) \
  I(custom_app_service, 79, 1, ZV_OPS_NONE) \
  V(custom_app_service_visitor, 79, 1, custom_app_service) \
  /* User-interface elements and layouts */ \
  I(element_view, 1, 1, ZV_OPS_NONE) \
  I(numeric_view, 0, 1, ZV_OPS_NONE) \
  I(viewer_2d_panel, 6, 1, ZV_OPS_NONE) \
  I(element_visitor, 92, 1, ZV_OPS_NONE) \
  I(gauge, 0, 0, ZV_OPS_NONE) \
  I(split_layout, 91, 1, ZV_OPS_NONE) \
  I(tab_layout, 91, 1, ZV_OPS_NONE) \
  I(grid_layout, 91, 1, ZV_OPS_NONE) \
  I(stack_layout, 67, 1, ZV_OPS_NONE) \
  I(scroll_layout, 37, 1, ZV_OPS_NONE) \
  I(label, 2, 1, ZV_OPS_NONE) \
  I(button, 4, 1, ZV_OPS_NONE) \
  I(checkbox, 2, 1, ZV_OPS_checkbox) \
  I(radiobutton, 1, 1, ZV_OPS_NONE) \
  I(dropdown, 3, 1, ZV_OPS_NONE) \
  I(groupbox, 92, 1, ZV_OPS_NONE) \
  I(text_selection, 0, 1, ZV_OPS_NONE) \
  I(input, 8, 1, ZV_OPS_NONE) \
  I(output, 2, 1, ZV_OPS_NONE) \
  I(multiline_input, 6, 1, ZV_OPS_NONE) \
  I(multiline_output, 1, 1, ZV_OPS_NONE) \
  I(input_cursor_selection_visitor, 0, 1, ZV_OPS_NONE) \
  I(input_cursor_view, 2, 1, ZV_OPS_NONE) \
  I(input_cursor, 2, 1, ZV_OPS_NONE) \
  V(input_cursor_visitor, 2, 1, input_cursor) \
  I(rich_input, 3, 1, ZV_OPS_NONE) \
  I(buttoned_output, 1, 1, ZV_OPS_NONE) \
  I(assisted_input, 3, 1, ZV_OPS_NONE) \
  I(integer_input, 6, 1, ZV_OPS_NONE) \
  I(integer_output, 1, 1, ZV_OPS_NONE) \
  I(floating_input, 7, 1, ZV_OPS_NONE) \
  I(floating_output, 1, 1, ZV_OPS_NONE) \
  I(slider, 2, 1, ZV_OPS_NONE) \
  I(canvas, 2, 1, ZV_OPS_NONE) \
  I(image, 4, 1, ZV_OPS_NONE) \
  I(tray_icon, 2, 1, ZV_OPS_NONE) \
  V(tray_icon_visitor, 2, 1, tray_icon) \
  I(histogram_distribution_visitor, 1, 1, ZV_OPS_NONE) \
  I(histogram, 4, 1, ZV_OPS_NONE) \
  I(toolbar, 6, 1, ZV_OPS_NONE) \
  I(status_panel_view, 0, 1, ZV_OPS_NONE) \
  I(string_status_panel, 0, 1, ZV_OPS_NONE) \
  I(status_panel_visitor, 0, 1, ZV_OPS_NONE) \
  I(statusbar, 0, 1, ZV_OPS_NONE) \
  I(checkbox_list, 3, 1, ZV_OPS_NONE) \
  /* Outline (tree and list) views */ \
  I(outline_column_view, 1, 1, ZV_OPS_NONE) \
  I(action_outline_column, 4, 1, ZV_OPS_NONE) \
  I(boolean_outline_column, 7, 1, ZV_OPS_NONE) \
  I(enum_outline_column, 6, 1, ZV_OPS_NONE) \
  I(integer_outline_column, 12, 1, ZV_OPS_NONE) \
  I(floating_outline_column, 14, 1, ZV_OPS_NONE) \
  I(string_outline_column, 10, 1, ZV_OPS_NONE) \
  I(assisted_string_outline_column, 7, 1, ZV_OPS_NONE) \
  I(lookup_outline_column, 5, 1, ZV_OPS_NONE) \
  I(bitmap_outline_column, 5, 1, ZV_OPS_NONE) \
  I(canvas_outline_column, 5, 1, ZV_OPS_NONE) \
  I(outline_column_variant_view, 0, 0, ZV_OPS_NONE) \
  I(action_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(boolean_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(enum_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(integer_outline_column_variant, 1, 1, ZV_OPS_NONE) \
  I(floating_outline_column_variant, 1, 1, ZV_OPS_NONE) \
  I(string_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(bitmap_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(canvas_outline_column_variant, 0, 1, ZV_OPS_NONE) \
  I(outline_column_variant_visitor, 2, 1, ZV_OPS_NONE) \
  I(variant_outline_column, 5, 1, ZV_OPS_NONE) \
  I(outline_column_visitor, 23, 1, ZV_OPS_NONE) \
  I(outline_item_data_visitor, 0, 1, ZV_OPS_NONE) \
  I(outline_item_view, 0, 1, ZV_OPS_NONE) \
  I(outline_item_type, 0, 1, ZV_OPS_NONE) \
  V(outline_item_type_visitor, 0, 1, outline_item_type) \
  I(outline_item, 0, 1, ZV_OPS_NONE) \
  I(outline_item_index, 0, 1, ZV_OPS_NONE) \
  V(outline_item_index_visitor, 0, 1, outline_item_index) \
  V(outline_item_visitor, 0, 1, outline_item) \
  I(outline_checks, 1, 1, ZV_OPS_NONE) \
  V(outline_checks_visitor, 1, 1, outline_checks) \
  I(outline, 32, 1, ZV_OPS_NONE) \
  I(list, 3, 1, ZV_OPS_NONE) \
  /* Grids */ \
  I(grid_action_cell, 4, 1, ZV_OPS_NONE) \
  I(grid_boolean_cell, 3, 1, ZV_OPS_NONE) \
  I(grid_enum_cell, 6, 1, ZV_OPS_NONE) \
  I(grid_assisted_string_cell, 5, 1, ZV_OPS_NONE) \
  I(grid_integer_cell, 8, 1, ZV_OPS_NONE) \
  I(grid_floating_cell, 10, 1, ZV_OPS_NONE) \
  I(grid_string_cell, 6, 1, ZV_OPS_NONE) \
  I(grid_bitmap_cell, 4, 1, ZV_OPS_NONE) \
  I(grid_canvas_cell, 1, 1, ZV_OPS_NONE) \
  I(grid_check_cell, 0, 1, ZV_OPS_NONE) \
  I(grid_cell_visitor, 17, 1, ZV_OPS_NONE) \
  I(grid_cell_index_visitor, 0, 1, ZV_OPS_NONE) \
  I(grid_range_visitor, 0, 1, ZV_OPS_NONE) \
  I(grid_range_selection, 0, 1, ZV_OPS_NONE) \
  V(grid_range_selection_visitor, 0, 1, grid_range_selection) \
  I(grid, 32, 1, ZV_OPS_NONE) \
  /* 3D polygonal data */ \
  I(poly_data_3d_attr_buffer, 0, 1, ZV_OPS_NONE) \
  I(poly_data_3d_attr_buffers, 0, 1, ZV_OPS_NONE) \
  I(poly_data_3d_points, 0, 0, ZV_OPS_NONE) \
  I(poly_data_3d_cells, 1, 0, ZV_OPS_NONE) \
  I(poly_data_3d_chunk_data_visitor, 5, 1, ZV_OPS_NONE) \
  I(poly_data_3d_attr_def_visitor, 0, 1, ZV_OPS_NONE) \
  I(poly_data_3d_chunk_visitor, 6, 1, ZV_OPS_NONE) \
  I(poly_data_3d, 6, 1, ZV_OPS_NONE) \
  /* 2D and 3D layers and scenes */ \
  I(layer_2d, 10, 1, ZV_OPS_NONE) \
  V(layer_2d_visitor, 10, 1, layer_2d) \
  I(layer_2d_service, 12, 1, ZV_OPS_layer_2d_service) \
  V(layer_2d_service_visitor, 12, 1, layer_2d_service) \
  I(layer_2d_externalization_service, 13, 1, ZV_OPS_NONE) \
  V(layer_2d_externalization_service_visitor, 13, 1, layer_2d_externalization_service) \
  I(layer_2d_selection_service, 5, 1, ZV_OPS_NONE) \
  V(layer_2d_selection_service_visitor, 5, 1, layer_2d_selection_service) \
  I(extent_2d_visitor, 0, 1, ZV_OPS_extent_2d_visitor) \
  I(scene_2d, 2, 1, ZV_OPS_scene_2d) \
  V(scene_2d_visitor, 2, 1, scene_2d) \
  I(scene_2d_collection, 3, 1, ZV_OPS_scene_2d_collection) \
  V(scene_2d_collection_visitor, 3, 1, scene_2d_collection) \
  I(scene_2d_service, 7, 1, ZV_OPS_scene_2d_service) \
  V(scene_2d_service_visitor, 7, 1, scene_2d_service) \
  I(scene_2d_externalization_service, 7, 1, ZV_OPS_scene_2d_externalization_service) \
  V(scene_2d_externalization_service_visitor, 7, 1, scene_2d_externalization_service) \
  I(data_3d_visitor, 6, 1, ZV_OPS_NONE) \
  I(layer_3d, 8, 1, ZV_OPS_NONE) \
  V(layer_3d_visitor, 8, 1, layer_3d) \
  I(layer_3d_service, 9, 1, ZV_OPS_NONE) \
  V(layer_3d_service_visitor, 9, 1, layer_3d_service) \
  I(layer_3d_externalization_service, 10, 1, ZV_OPS_NONE) \
  V(layer_3d_externalization_service_visitor, 10, 1, layer_3d_externalization_service) \
  /* Editors and editor extensions */ \
  I(scene_2d_parameters_docker_visitor, 80, 1, ZV_OPS_NONE) \
  I(scene_2d_parameters_editor, 82, 1, ZV_OPS_NONE) \
  V(scene_2d_parameters_editor_visitor, 82, 1, scene_2d_parameters_editor) \
  I(scene_2d_parameters_editor_service, 82, 1, ZV_OPS_NONE) \
  V(scene_2d_parameters_editor_service_visitor, 82, 1, scene_2d_parameters_editor_service) \
  I(scene_list_editor, 89, 1, ZV_OPS_NONE) \
  V(scene_list_editor_visitor, 89, 1, scene_list_editor) \
  I(scene_adder, 2, 1, ZV_OPS_NONE) \
  V(scene_adder_visitor, 2, 1, scene_adder) \
  I(project_editor_extension_service, 91, 1, ZV_OPS_NONE) \
  V(project_editor_extension_service_visitor, 91, 1, project_editor_extension_service) \
  I(scene_2d_editor_extension, 1, 1, ZV_OPS_NONE) \
  V(scene_2d_editor_extension_visitor, 1, 1, scene_2d_editor_extension) \
  I(scene_editor_filter, 0, 1, ZV_OPS_scene_editor_filter) \
  V(scene_editor_filter_visitor, 0, 1, scene_editor_filter) \
  I(layer_2d_adder, 2, 1, ZV_OPS_NONE) \
  V(layer_2d_adder_visitor, 2, 1, layer_2d_adder) \
  I(layer_2d_list_editor, 1, 1, ZV_OPS_NONE) \
  V(layer_2d_list_editor_visitor, 1, 1, layer_2d_list_editor) \
  I(scene_2d_editor_extension_service, 94, 1, ZV_OPS_scene_2d_editor_extension_service) \
  V(scene_2d_editor_extension_service_visitor, 94, 1, scene_2d_editor_extension_service) \
  I(scene_3d_editor_extension, 0, 1, ZV_OPS_NONE) \
  V(scene_3d_editor_extension_visitor, 0, 1, scene_3d_editor_extension) \
  I(layer_3d_adder, 0, 1, ZV_OPS_NONE) \
  V(layer_3d_adder_visitor, 0, 1, layer_3d_adder) \
  I(properties_3d_editor, 82, 1, ZV_OPS_NONE) \
  V(properties_3d_editor_visitor, 83, 1, properties_3d_editor) \
  I(layer_3d_editor_extension_service, 86, 1, ZV_OPS_NONE) \
  V(layer_3d_editor_extension_service_visitor, 86, 1, layer_3d_editor_extension_service) \
  I(scene_3d_editor_extension_service, 18, 1, ZV_OPS_NONE) \
  V(scene_3d_editor_extension_service_visitor, 18, 1, scene_3d_editor_extension_service) \
  I(style_editor_data_source, 2, 1, ZV_OPS_NONE) \
  V(style_editor_data_source_visitor, 2, 1, style_editor_data_source) \
  I(style_editor, 5, 1, ZV_OPS_NONE) \
  V(style_editor_visitor, 5, 1, style_editor) \
  I(style_list_editor, 1, 1, ZV_OPS_NONE) \
  V(style_list_editor_visitor, 1, 1, style_list_editor) \
  I(dtld_editor, 3, 1, ZV_OPS_NONE) \
  V(dtld_editor_visitor, 3, 1, dtld_editor) \
  I(text_settings_editor, 1, 1, ZV_OPS_NONE) \
  V(text_settings_editor_visitor, 1, 1, text_settings_editor) \
  I(layer_2d_editor_extension_service, 98, 1, ZV_OPS_NONE) \
  V(layer_2d_editor_extension_service_visitor, 98, 1, layer_2d_editor_extension_service) \
  I(layer_2d_renderer_extension_service, 3, 1, ZV_OPS_NONE) \
  V(layer_2d_renderer_extension_service_visitor, 3, 1, layer_2d_renderer_extension_service) \
  I(scene_2d_renderer_extension_service, 1, 1, ZV_OPS_NONE) \
  V(scene_2d_renderer_extension_service_visitor, 1, 1, scene_2d_renderer_extension_service) \
  /* Viewers */ \
  I(viewer_extension_mode_view, 0, 1, ZV_OPS_NONE) \
  I(viewer_extension_mode, 2, 1, ZV_OPS_NONE) \
  V(viewer_extension_mode_visitor, 2, 1, viewer_extension_mode) \
  I(viewer_extension, 4, 1, ZV_OPS_NONE) \
  V(viewer_extension_visitor, 4, 1, viewer_extension) \
  I(viewer_extension_service, 4, 1, ZV_OPS_NONE) \
  V(viewer_extension_service_visitor, 4, 1, viewer_extension_service) \
  I(viewer, 91, 1, ZV_OPS_NONE) \
  I(transfer_coords_visitor, 1, 1, ZV_OPS_NONE) \
  I(receive_coords_visitor, 0, 1, ZV_OPS_NONE) \
  I(viewer_2d, 3, 1, ZV_OPS_NONE) \
  I(viewer_visitor, 94, 1, ZV_OPS_NONE) \
  I(viewer_factory, 94, 1, ZV_OPS_NONE) \
  V(viewer_factory_visitor, 94, 1, viewer_factory) \
  I(viewer_service, 95, 1, ZV_OPS_NONE) \
  V(viewer_service_visitor, 95, 1, viewer_service) \
  /* Table extensions */ \
  I(tos_grid_extension, 1, 1, ZV_OPS_NONE) \
  V(tos_grid_extension_visitor, 1, 1, tos_grid_extension) \
  I(tos_grid_extension_service, 1, 1, ZV_OPS_NONE) \
  V(tos_grid_extension_service_visitor, 1, 1, tos_grid_extension_service) \
  I(attr_table_extension, 0, 1, ZV_OPS_NONE) \
  V(attr_table_extension_visitor, 0, 1, attr_table_extension) \
  I(attr_table_extension_service, 0, 1, ZV_OPS_NONE) \
  V(attr_table_extension_service_visitor, 0, 1, attr_table_extension_service) \
  /* Tools, tool sets and menus */ \
  I(tool_view, 0, 1, ZV_OPS_NONE) \
  I(string_tool, 1, 1, ZV_OPS_NONE) \
  I(assisted_string_tool, 0, 1, ZV_OPS_NONE) \
  I(floating_tool, 1, 1, ZV_OPS_NONE) \
  I(integer_tool, 2, 1, ZV_OPS_NONE) \
  I(enum_tool, 1, 1, ZV_OPS_NONE) \
  I(boolean_tool, 0, 1, ZV_OPS_NONE) \
  I(action_tool, 0, 1, ZV_OPS_NONE) \
  V(action_tool_visitor, 0, 1, action_tool) \
  I(multiaction_tool, 0, 1, ZV_OPS_NONE) \
  V(boolean_tool_visitor, 0, 1, boolean_tool) \
  I(multiboolean_tool, 0, 1, ZV_OPS_NONE) \
  I(mru_multiaction_tool, 0, 0, ZV_OPS_NONE) \
  I(category_tool, 0, 1, ZV_OPS_NONE) \
  I(popup_menu_provider, 0, 1, ZV_OPS_NONE) \
  I(popup_menu_view, 0, 1, ZV_OPS_NONE) \
  I(popup_menu, 0, 1, ZV_OPS_NONE) \
  I(list_tool, 0, 1, ZV_OPS_NONE) \
  I(tool_visitor, 5, 1, ZV_OPS_NONE) \
  I(tool_set_view, 0, 1, ZV_OPS_NONE) \
  I(tool_set, 5, 1, ZV_OPS_NONE) \
  V(tool_set_visitor, 5, 1, tool_set) \
  V(category_tool_visitor, 0, 1, category_tool) \
  V(popup_menu_visitor, 1, 1, popup_menu) \
  I(tool_service, 10, 1, ZV_OPS_tool_service) \
  V(tool_service_visitor, 10, 1, tool_service) \
  I(proxy_target_service, 1, 1, ZV_OPS_NONE) \
  V(proxy_target_service_visitor, 1, 1, proxy_target_service) \
  I(menu_item_visitor, 0, 1, ZV_OPS_NONE) \
  I(menu_item_set, 0, 1, ZV_OPS_NONE) \
  V(menu_item_set_visitor, 0, 1, menu_item_set) \
  V(main_form_visitor, 92, 0, main_form) \
  /* Localisation */ \
  I(localizer_client, 0, 1, ZV_OPS_NONE) \
  I(localizer, 1, 1, ZV_OPS_localizer) \
  V(localizer_visitor, 1, 1, localizer) \
  I(localizer_service, 1, 1, ZV_OPS_NONE) \
  V(localizer_service_visitor, 1, 1, localizer_service) \
  /* Services, registry and bundles */ \
  I(identity, 0, 0, ZV_OPS_NONE) \
  V(service_registry_visitor, 0, 1, service_registry) \
  I(service_registry, 0, 1, ZV_OPS_service_registry) \
  I(service_category_visitor, 1, 1, ZV_OPS_service_category_visitor) \
  I(service_factory, 1, 1, ZV_OPS_service_factory) \
  I(service_visitor, 0, 1, ZV_OPS_NONE) \
  I(bundle_context, 1, 1, ZV_OPS_bundle_context) \
  I(bundle, 1, 0, ZV_OPS_bundle)
