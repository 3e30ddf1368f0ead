// The interface catalogue: every interface of the framework with its version,
// whether an adapter class zv::X_impl exists, and its operations where they
// are fixed. It is the single source of the binding: handles, client types,
// contracts, entry points, adapters and contract tables are all generated
// from it (binding.h, adapters.h, src/framework).
//
// The rows, one interface per line, are in catalogue.def; a generator defines
// ZV_I and ZV_V, includes that file and undefines them again, so a compile
// error names the row's own line. This header holds the operation lists that
// rows name: an operation is O(X, op_name, result, (parameters), (argument
// names)), with parameter types as the object side sees them (zv::Y for
// interfaces).
#pragma once

// Operations in slot order (slot 0, generalize, is implicit).
#define ZV_OPS_NONE(O, X)

#define ZV_OPS_referrer(O, X)                   \
  O(X, invalidate, void, (zv::referent r), (r)) \
  O(X, reachable, bool, (), ())

#define ZV_OPS_referent(O, X)                \
  O(X, retain, void, (zv::referrer r), (r))  \
  O(X, release, void, (zv::referrer r), (r)) \
  O(X, owner, zv::referent, (), ())          \
  O(X, as_referent, zv::referent, (), ())

#define ZV_OPS_string_visitor(O, X) O(X, visit, void, (wchar_t const* text), (text))
#define ZV_OPS_integers_visitor(O, X) O(X, visit, void, (uint64_t count, int* values), (count, values))
#define ZV_OPS_bigints_visitor(O, X) O(X, visit, void, (uint64_t count, int64_t * values), (count, values))
#define ZV_OPS_floatings_visitor(O, X) O(X, visit, void, (uint64_t count, double* values), (count, values))
#define ZV_OPS_short_floatings_visitor(O, X) O(X, visit, void, (uint64_t count, float* values), (count, values))
#define ZV_OPS_bytes_visitor(O, X) O(X, visit, void, (int size, unsigned char* bytes), (size, bytes))
#define ZV_OPS_interleaved_bytes_visitor(O, X) \
  O(X, visit, void, (int size, int stride, unsigned char* bytes), (size, stride, bytes))
#define ZV_OPS_twice_interleaved_bytes_visitor(O, X)                                      \
  O(X, visit, void, (int width, int height, int stride, int pitch, unsigned char* bytes), \
    (width, height, stride, pitch, bytes))
#define ZV_OPS_thrice_interleaved_bytes_visitor(O, X)                                                  \
  O(X, visit, void, (int width, int height, int depth, int stride, int pitch, int slice, char* bytes), \
    (width, height, depth, stride, pitch, slice, bytes))

#define ZV_OPS_extent_2d_visitor(O, X) O(X, visit, void, (double x1, double y1, double x2, double y2), (x1, y1, x2, y2))

#define ZV_OPS_service_registry(O, X) \
  O(X, with_services, void, (wchar_t const* identifier, zv::service_visitor visitor), (identifier, visitor))

#define ZV_OPS_scene_2d_service(O, X)                                                         \
  O(X, as_referent, zv::referent, (), ())                                                     \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor))                           \
  O(X, with_new_scene, void, (zv::scene_2d_visitor visitor), (visitor))                       \
  O(X, with_new_scene_collection, void, (zv::scene_2d_collection_visitor visitor), (visitor)) \
  O(X, with_collection_meta_id, void, (zv::string_visitor visitor), (visitor))                \
  O(X, with_collection_caption, void, (zv::string_visitor visitor), (visitor))

#define ZV_OPS_scene_2d(O, X)                                         \
  O(X, reattach, void, (Izv_scene * scene), (scene))                  \
  O(X, assign, void, (zv::scene_2d source), (source))                 \
  O(X, with_extent, void, (zv::extent_2d_visitor visitor), (visitor)) \
  O(X, with_source, void, (zv::string_visitor visitor), (visitor))    \
  O(X, set_source, void, (wchar_t const* source), (source))

#define ZV_OPS_scene_2d_collection(O, X)                        \
  O(X, reattach, void, (Izv_entity * collection), (collection)) \
  O(X, clear, void, (), ())

#define ZV_OPS_scene_2d_editor_extension_service(O, X)                                      \
  O(X, as_referent, zv::referent, (), ())                                                   \
  O(X, with_extensions, void, (zv::scene_2d_editor_extension_visitor visitor), (visitor))   \
  O(X, with_layer_adders, void, (zv::layer_2d_adder_visitor visitor), (visitor))            \
  O(X, with_filters, void, (zv::scene_editor_filter_visitor visitor), (visitor))            \
  O(X, with_dockers, void, (zv::docker_visitor visitor), (visitor))                         \
  O(X, set_scene, void, (Izv_scene * scene), (scene))                                       \
  O(X, with_layer_list_editor, void, (zv::layer_2d_list_editor_visitor visitor), (visitor)) \
  O(X, priority, int, (), ())

#define ZV_OPS_scene_editor_filter(O, X)                                \
  O(X, reattach, void, (bool attached), (attached))                     \
  O(X, with_description, void, (zv::string_visitor visitor), (visitor)) \
  O(X, with_mask, void, (zv::string_visitor visitor), (visitor))        \
  O(X, supports, bool, (wchar_t const* source), (source))               \
  O(X, add, void, (Tzv_layer_builder * builder, wchar_t const* source), (builder, source))

#define ZV_OPS_service_factory(O, X) \
  O(X, with_services, void, (zv::bundle_context context, zv::service_visitor visitor), (context, visitor))

#define ZV_OPS_service_category_visitor(O, X) \
  O(X, visit, void, (wchar_t const* category, zv::service_factory factory), (category, factory))

#define ZV_OPS_bundle_context(O, X)       \
  O(X, as_referent, zv::referent, (), ()) \
  O(X, with_service_registry, void, (zv::service_registry_visitor visitor), (visitor))

#define ZV_OPS_bundle(O, X)                                                              \
  O(X, with_service_categories, void, (zv::service_category_visitor visitor), (visitor)) \
  O(X, install, void, (), ())                                                            \
  O(X, uninstall, void, (), ())                                                          \
  O(X, initialize, void, (), ())                                                         \
  O(X, finalize, void, (), ())

#define ZV_OPS_layer_2d_service(O, X)                               \
  O(X, as_referent, zv::referent, (), ())                           \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor)) \
  O(X, with_new_layer, void, (zv::layer_2d_visitor visitor), (visitor))

#define ZV_OPS_scene_2d_externalization_service(O, X)                                                               \
  O(X, as_referent, zv::referent, (), ())                                                                           \
  O(X, with_tag_name, void, (zv::string_visitor visitor), (visitor))                                                \
  O(X, with_meta_id, void, (zv::string_visitor visitor), (visitor))                                                 \
  O(X, with_collection_tag_name, void, (zv::string_visitor visitor), (visitor))                                     \
  O(X, with_collection_meta_id, void, (zv::string_visitor visitor), (visitor))                                      \
  O(X, externalize_collection, void, (zv::scene_2d_collection c, Tzv_xml_node * node, void* data), (c, node, data)) \
  O(X, internalize_collection, void, (zv::scene_2d_collection c, Tzv_xml_node * node, void* data), (c, node, data)) \
  O(X, externalize, void, (zv::scene_2d s, Tzv_xml_node * node, void* data), (s, node, data))                       \
  O(X, internalize, void, (zv::scene_2d s, Tzv_xml_node * node, void* data), (s, node, data))

#define ZV_OPS_tool_service(O, X)                                          \
  O(X, as_referent, zv::referent, (), ())                                  \
  O(X, get_toolbars, void, (zv::category_tool_visitor visitor), (visitor)) \
  O(X, get_popup_menus, void, (zv::popup_menu_visitor visitor), (visitor)) \
  O(X, get_tool_sets, void, (zv::tool_set_visitor visitor), (visitor))     \
  O(X, priority, int, (), ())

#define ZV_OPS_localizer(O, X)                                                                   \
  O(X, as_referent, zv::referent, (), ())                                                        \
  O(X, with_string, void, (int id, zv::string_visitor visitor), (id, visitor))                   \
  O(X, with_bitmap, void, (int id, zv::thrice_interleaved_bytes_visitor visitor), (id, visitor)) \
  O(X, with_masked_bitmap, void, (int id, zv::masked_bitmap_visitor visitor), (id, visitor))     \
  O(X, reattach, void, (zv::localizer_client client), (client))

#define ZV_OPS_checkbox(O, X)                                                       \
  O(X, with_glyph, void, (zv::thrice_interleaved_bytes_visitor visitor), (visitor)) \
  O(X, with_caption, void, (zv::string_visitor visitor), (visitor))                 \
  O(X, with_hint, void, (zv::string_visitor visitor), (visitor))                    \
  O(X, enabled, bool, (), ())                                                       \
  O(X, indeterminate, bool, (), ())                                                 \
  O(X, value, bool, (), ())                                                         \
  O(X, commit, void, (bool checked), (checked))                                     \
  O(X, reattach, void, (zv::element_view view), (view))

// The visit operation of a visitor of one kind of object.
#define ZV_OPS_VISIT(O, X, Y) O(X, visit, void, (zv::Y object), (object))
