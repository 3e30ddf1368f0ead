/// \file
/// Extent indicator of a 2D scene: visibility, polygon style and the uuids of
/// the linked entities whose extents it shows. Plain values that announce
/// nothing.
///
/// Null rule: a null handle, or a null required argument, makes a call do
/// nothing and answer 0, false, null, -1 or an empty text; destroy accepts null.
#pragma once

#include "zv/api.h"
#include "zv/flat.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/styles.h"
#include "zv/types.h"

ZV_BEGIN_C

/// Not visible, no links, fill hidden, outline shown with width 1.0. Owned by
/// the caller and ended by zv_extent_ind_destroy.
ZV_SCN_2D_API Tzv_extent_ind2d* zv_extent_ind_create();
/// Frees an indicator that zv_extent_ind_create made, with its uuids.
ZV_SCN_2D_API void zv_extent_ind_destroy(Tzv_extent_ind2d* e);
/// Copies visibility, style and links; the uuid objects stay the target's own.
ZV_SCN_2D_API void zv_extent_ind_assign(Tzv_extent_ind2d* dst, Tzv_extent_ind2d const* src);
/// Visibility and style; links are not compared.
ZV_SCN_2D_API bool zv_extent_ind_equal(Tzv_extent_ind2d const* a, Tzv_extent_ind2d const* b);
/// Whether the indicator is shown.
ZV_SCN_2D_API bool zv_extent_ind_get_visible(Tzv_extent_ind2d const* e);
/// Shows or hides the indicator.
ZV_SCN_2D_API void zv_extent_ind_set_visible(Tzv_extent_ind2d* e, bool visible);
/// The polygon style. Borrowed: owned by the indicator, never freed by the caller.
ZV_SCN_2D_API Tzv_pgn_style* zv_extent_ind_get_style(Tzv_extent_ind2d const* e);
/// The number of link slots.
ZV_SCN_2D_API unsigned int zv_extent_ind_get_links_count(Tzv_extent_ind2d const* e);
/// Shrinking destroys the uuids at the end; growing adds new uuids.
ZV_SCN_2D_API void zv_extent_ind_set_links_count(Tzv_extent_ind2d* e, unsigned int n);
/// The uuid of slot i; null for i at or past the count. Borrowed: owned by the
/// indicator, never freed by the caller.
ZV_SCN_2D_API Tzv_uuid_t* zv_extent_ind_get_link_uid(Tzv_extent_ind2d const* e, unsigned int i);
/// Copies the value of `uid` into slot i; nothing for i at or past the count.
ZV_SCN_2D_API void zv_extent_ind_set_link_uid(Tzv_extent_ind2d* e, unsigned int i, Tzv_uuid_t const* uid);
/// Whether some slot holds that uuid's value.
ZV_SCN_2D_API bool zv_extent_ind_has_link(Tzv_extent_ind2d const* e, Tzv_uuid_t const* uid);
/// Adds a copy of `uid` when `on` and it is not linked yet; else removes it.
ZV_SCN_2D_API void zv_extent_ind_update_link(Tzv_extent_ind2d* e, Tzv_uuid_t const* uid, bool on);
/// Drops every link whose entity is no longer in the entity storage.
ZV_SCN_2D_API void zv_extent_ind_validate_links(Tzv_extent_ind2d* e);

ZV_END_C
