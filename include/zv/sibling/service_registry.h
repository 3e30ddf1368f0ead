// The host's service registry (zvk_basic): services are registered under an
// identifier as generic interface handles, and a visitor asks for all
// services under an identifier.
#pragma once

#include <cstdint>

#include "zv/framework/handles.h"
#include "zv/sibling/basic/api.h"

extern "C" {

// Hands every service registered under `identifier` to `visitor`, before it
// returns, in the order of registration: each service reaches each visitor
// interface of one kind that both the visitor and the service implement
// (a scene_2d_service reaches a scene_2d_service_visitor). Returns the number
// of visits made; 0 for a null identifier or visitor.
ZV_BASIC_API int32_t zv_service_registry_with_services(wchar_t const* identifier,
                                                       t_zv_service_visitor_interface visitor);

// Registration by hosts and tests. A null identifier or service is ignored;
// registering the same service twice under one identifier keeps one entry.
ZV_BASIC_API void zv_service_registry_register(wchar_t const* identifier, t_zv_interface service);
// True when the service was registered under the identifier.
ZV_BASIC_API bool zv_service_registry_unregister(wchar_t const* identifier, t_zv_interface service);
ZV_BASIC_API void zv_service_registry_clear(void);
ZV_BASIC_API int32_t zv_service_registry_get_count(wchar_t const* identifier);

}  // extern "C"
