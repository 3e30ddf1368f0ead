"""A scene's parameter objects as Python objects with properties. Made by
Python (Margins(), Graticule(), ...) they are Python's own, plain values that
compare with == and copy with copy(); read from a scene they are the scene's
own objects, which die with it. A scene's setters copy a value in."""
from ._core import (Owned, color_in, color_out, expect, ffi, flag, lib, prop, raise_pending, read_box, read_text, sib,
                    text_prop, uuid_in, uuid_out, wide_in)


class Value(Owned):
    """A plain value of the library: Python's own or borrowed from an owner."""

    __slots__ = ()
    _create = _assign = _equal = None

    def __init__(self):
        self._bind(type(self)._create(), None)

    def close(self):
        if self._owner is None:  # borrowed values die with their owner
            Owned.close(self)

    def copy(self):
        """A new value of Python's own, equal to this one."""
        other = type(self)()
        type(self)._assign(other._p, self._ptr())
        return other

    def assign(self, other):
        """Copies `other` into this value."""
        src = expect(other, type(self))
        self._replaced()
        type(self)._assign(self._ptr(), src)
        raise_pending()

    def _replaced(self):
        """A copy is about to come in: the parts that it replaces die."""

    def __eq__(self, other):
        if not isinstance(other, type(self)):
            return NotImplemented
        return bool(type(self)._equal(self._ptr(), other._ptr()))

    __hash__ = None


def part(get, kind):
    """A borrowed part of a value (a tick set's grid, a grid's line)."""
    return property(lambda self: kind._wrap(get(self._ptr()), self))


def _dms(get):
    def fget(self):
        d, m, s = ffi.new("int*"), ffi.new("int*"), ffi.new("int*")
        get(self._ptr(), d, m, s)
        return d[0], m[0], s[0]
    return fget


class Line(Value):
    """A graticule line: colour and width."""
    __slots__ = ()
    _create, _destroy = lib.zv_graticule_line_create, lib.zv_graticule_line_destroy
    _assign, _equal = lib.zv_graticule_line_assign, lib.zv_graticule_line_equal
    color = prop(lib.zv_graticule_line_get_color, lib.zv_graticule_line_set_color, color_out, color_in)
    width = prop(lib.zv_graticule_line_get_width, lib.zv_graticule_line_set_width)


class Grid(Value):
    """A tick set's grid: visibility and line."""
    __slots__ = ()
    _create, _destroy = lib.zv_graticule_grid_create, lib.zv_graticule_grid_destroy
    _assign, _equal = lib.zv_graticule_grid_assign, lib.zv_graticule_grid_equal
    visible = prop(lib.zv_graticule_grid_get_visible, lib.zv_graticule_grid_set_visible, into=flag)
    line = part(lib.zv_graticule_grid_get_line_ptr, Line)


class Frame(Value):
    """The graticule's frame: visibility and line."""
    __slots__ = ()
    _create, _destroy = lib.zv_graticule_frame_create, lib.zv_graticule_frame_destroy
    _assign, _equal = lib.zv_graticule_frame_assign, lib.zv_graticule_frame_equal
    visible = prop(lib.zv_graticule_frame_get_visible, lib.zv_graticule_frame_set_visible, into=flag)
    line = part(lib.zv_graticule_frame_get_line_ptr, Line)


class Ticks(Value):
    """A tick set: steps as (degrees, minutes, seconds), approximate
    divisions, labels and the grid."""
    __slots__ = ()
    _create, _destroy = lib.zv_graticule_ticks_create, lib.zv_graticule_ticks_destroy
    _assign, _equal = lib.zv_graticule_ticks_assign, lib.zv_graticule_ticks_equal
    lon_step = property(_dms(lib.zv_graticule_ticks_get_lon_step_dms),
                        lambda self, dms: lib.zv_graticule_ticks_set_lon_step_dms(self._ptr(), *dms))
    lat_step = property(_dms(lib.zv_graticule_ticks_get_lat_step_dms),
                        lambda self, dms: lib.zv_graticule_ticks_set_lat_step_dms(self._ptr(), *dms))
    lon_divisions = prop(lib.zv_graticule_ticks_get_lon_approx_ndiap, lib.zv_graticule_ticks_set_lon_approx_ndiap)
    lat_divisions = prop(lib.zv_graticule_ticks_get_lat_approx_ndiap, lib.zv_graticule_ticks_set_lat_approx_ndiap)
    labels_visible = prop(lib.zv_graticule_ticks_get_fnt_visible, lib.zv_graticule_ticks_set_fnt_visible, into=flag)
    short_labels = prop(lib.zv_graticule_ticks_get_fnt_short_str, lib.zv_graticule_ticks_set_fnt_short_str,
                        into=flag)
    label_size = prop(lib.zv_graticule_ticks_get_fnt_size, lib.zv_graticule_ticks_set_fnt_size)
    label_color = prop(lib.zv_graticule_ticks_get_fnt_clr, lib.zv_graticule_ticks_set_fnt_clr, color_out, color_in)
    grid = part(lib.zv_graticule_ticks_get_grid_ptr, Grid)

    @property
    def label_font(self):
        """The label font's face name."""
        return read_text(sib.zv_fnt_type_get_name, lib.zv_graticule_ticks_get_fnt_type_ptr(self._ptr()))


class Graticule(Value):
    """The graticule: four flags, the main and additional tick sets, the frame."""
    __slots__ = ()
    _create, _destroy = lib.zv_graticule_params_create, lib.zv_graticule_params_destroy
    _assign, _equal = lib.zv_graticule_params_assign, lib.zv_graticule_params_equal
    visible = prop(lib.zv_graticule_params_get_visible, lib.zv_graticule_params_set_visible, into=flag)
    fixed_step = prop(lib.zv_graticule_params_get_fixed_step_flag, lib.zv_graticule_params_set_fixed_step_flag,
                      into=flag)
    additional = prop(lib.zv_graticule_params_get_addit_flag, lib.zv_graticule_params_set_addit_flag, into=flag)
    rotate_side_labels = prop(lib.zv_graticule_params_get_rotate_side_text_flag,
                              lib.zv_graticule_params_set_rotate_side_text_flag, into=flag)
    main_ticks = part(lib.zv_graticule_params_get_main_ticks_ptr, Ticks)
    additional_ticks = part(lib.zv_graticule_params_get_addt_ticks_ptr, Ticks)
    frame = part(lib.zv_graticule_params_get_frame_ptr, Frame)


class ScaleLine(Value):
    """The scale line: shown or not."""
    __slots__ = ()
    _create, _destroy = lib.zv_scale_line_params_create, lib.zv_scale_line_params_destroy
    _assign, _equal = lib.zv_scale_line_params_assign, lib.zv_scale_line_params_equal
    visible = prop(lib.zv_scale_line_params_get_visible, lib.zv_scale_line_params_set_visible, into=flag)


class Margins(Value):
    """Margins around the map area, in the viewer's unit."""
    __slots__ = ()
    _create, _destroy = lib.zv_margins_create, lib.zv_margins_destroy
    _assign, _equal = lib.zv_margins_assign, lib.zv_margins_equal
    visible = prop(lib.zv_margins_get_visible, lib.zv_margins_set_visible, into=flag)
    left = prop(lib.zv_margins_get_lft, lib.zv_margins_set_lft)
    top = prop(lib.zv_margins_get_top, lib.zv_margins_set_top)
    right = prop(lib.zv_margins_get_rgt, lib.zv_margins_set_rgt)
    bottom = prop(lib.zv_margins_get_btm, lib.zv_margins_set_btm)


def _xy(vertex):
    return vertex.x, vertex.y


def _points_in(points, add):
    for x, y in points:
        add(float(x), float(y))


class Profile(Value):
    """Profile data: the profile switch, axis ranges, vertical scale, plane
    step, axes-scale mode and the profile line. Setters announce property 8
    on the owning scene."""
    __slots__ = ()
    _create, _destroy = lib.zv_prf_data_create, lib.zv_prf_data_destroy
    _assign, _equal = lib.zv_prf_data_assign, lib.zv_prf_data_equal
    is_profile = prop(lib.zv_prf_data_get_is_profil, lib.zv_prf_data_set_is_profil, into=flag)
    xmin = prop(lib.zv_prf_data_get_xmin, lib.zv_prf_data_set_xmin)
    xmax = prop(lib.zv_prf_data_get_xmax, lib.zv_prf_data_set_xmax)
    ymin = prop(lib.zv_prf_data_get_ymin, lib.zv_prf_data_set_ymin)
    ymax = prop(lib.zv_prf_data_get_ymax, lib.zv_prf_data_set_ymax)
    zmin = prop(lib.zv_prf_data_get_zmin, lib.zv_prf_data_set_zmin)
    zmax = prop(lib.zv_prf_data_get_zmax, lib.zv_prf_data_set_zmax)
    zscale = prop(lib.zv_prf_data_get_zscale, lib.zv_prf_data_set_zscale)
    delta_xy = prop(lib.zv_prf_data_get_delta_xy, lib.zv_prf_data_set_delta_xy)
    axes_scale = prop(lib.zv_prf_data_get_axes_scale, lib.zv_prf_data_set_axes_scale)
    projection = text_prop(lib.zv_prf_data_get_prj4string, lib.zv_prf_data_set_prj4string)

    @property
    def line(self):
        """The profile line's vertices as (x, y) pairs."""
        pv = lib.zv_prf_data_get_pv_ptr(self._ptr())
        return [_xy(sib.zv_pv_d2_get_vtx(pv, i)) for i in range(sib.zv_pv_d2_get_size(pv))]

    @line.setter
    def line(self, points):
        pv = sib.zv_pv_d2_create()
        try:
            _points_in(points, lambda x, y: sib.zv_pv_d2_add_vtx(pv, x, y))
            lib.zv_prf_data_set_pv(self._ptr(), pv)
        finally:
            sib.zv_pv_d2_destroy(pv)
        raise_pending()

    def point_at(self, fraction):
        """The (x, y) at that fraction of the line, or None."""
        x, y = ffi.new("double*"), ffi.new("double*")
        return (x[0], y[0]) if lib.zv_prf_data_find_xy(self._ptr(), fraction, x, y) else None

    def fraction_at(self, x, y, tolerance):
        """The fraction of the line's point nearest to (x, y) within tolerance, or None."""
        out = ffi.new("double*")
        return out[0] if lib.zv_prf_data_find_l(self._ptr(), x, y, tolerance, out) else None


def _rings(ov):
    return [[_xy(sib.zv_ov_d2_get_vtx(ov, r, i)) for i in range(sib.zv_ov_d2_get_ring_size(ov, r))]
            for r in range(sib.zv_ov_d2_get_ring_count(ov))]


class Clip(Value):
    """Clipping: the switch, the outline (rings of (x, y)) with the PROJ text
    of its coordinates, whether it is drawn."""
    __slots__ = ()
    _create, _destroy = lib.zv_scn2d_clip_params_create, lib.zv_scn2d_clip_params_destroy
    _assign, _equal = lib.zv_scn2d_clip_params_assign, lib.zv_scn2d_clip_params_equal
    enabled = prop(lib.zv_scn2d_clip_params_get_enabled, lib.zv_scn2d_clip_params_set_enabled, into=flag)
    draw = prop(lib.zv_scn2d_clip_params_get_draw, lib.zv_scn2d_clip_params_set_draw, into=flag)
    projection = text_prop(lib.zv_scn2d_clip_params_get_prj, lib.zv_scn2d_clip_params_set_prj)

    @property
    def outline(self):
        return _rings(lib.zv_scn2d_clip_params_get_ov(self._ptr()))

    @outline.setter
    def outline(self, rings):
        ov = sib.zv_ov_d2_create()
        try:
            for ring in rings:
                sib.zv_ov_d2_add_ring(ov)
                _points_in(ring, lambda x, y: sib.zv_ov_d2_add_vtx(ov, x, y))
            lib.zv_scn2d_clip_params_set_ov(self._ptr(), ov)
        finally:
            sib.zv_ov_d2_destroy(ov)

    def outline_in(self, projection):
        """The outline in another system, or None when it cannot be reprojected."""
        ov = sib.zv_ov_d2_create()
        try:
            ok = lib.zv_scn2d_clip_params_eval_ov(self._ptr(), wide_in(projection), ov)
            return _rings(ov) if ok else None
        finally:
            sib.zv_ov_d2_destroy(ov)

    def box_in(self, projection):
        """The outline's box in another system, or None."""
        return read_box(lib.zv_scn2d_clip_params_eval_box, self._ptr(), wide_in(projection))


class ExtentIndicator(Value):
    """The extent indicator: visibility and the uuids of the linked entities."""
    __slots__ = ()
    _create, _destroy = lib.zv_extent_ind_create, lib.zv_extent_ind_destroy
    _assign, _equal = lib.zv_extent_ind_assign, lib.zv_extent_ind_equal
    visible = prop(lib.zv_extent_ind_get_visible, lib.zv_extent_ind_set_visible, into=flag)

    @property
    def links(self):
        p = self._ptr()
        return [uuid_out(lib.zv_extent_ind_get_link_uid(p, i)) for i in range(lib.zv_extent_ind_get_links_count(p))]

    def link(self, uid, on=True):
        """Links (or unlinks) the entity with that uuid.UUID."""
        lib.zv_extent_ind_update_link(self._ptr(), uuid_in(uid), flag(on))

    def has_link(self, uid):
        return bool(lib.zv_extent_ind_has_link(self._ptr(), uuid_in(uid)))

    def validate_links(self):
        """Drops the links whose entity is gone."""
        lib.zv_extent_ind_validate_links(self._ptr())


class Lookmark(Value):
    """A saved view: a caption and four zoom values."""
    __slots__ = ()
    _create, _destroy = lib.zv_lookmark_create, lib.zv_lookmark_destroy
    _assign, _equal = lib.zv_lookmark_assign, lib.zv_lookmark_equal
    caption = text_prop(lib.zv_lookmark_get_caption_adp, lib.zv_lookmark_set_caption)

    @property
    def zoom(self):
        z = [ffi.new("double*") for _ in range(4)]
        lib.zv_lookmark_get_zoom(self._ptr(), *z)
        return tuple(v[0] for v in z)

    @zoom.setter
    def zoom(self, values):
        z0, z1, z2, z3 = (float(v) for v in values)
        lib.zv_lookmark_set_zoom(self._ptr(), z0, z1, z2, z3)


class Lookmarks(Value):
    """The saved views, in order, with an optional active one."""
    __slots__ = ()
    _create, _destroy = lib.zv_lookmarks_create, lib.zv_lookmarks_destroy
    _assign, _equal = lib.zv_lookmarks_assign, lib.zv_lookmarks_equal

    def __len__(self):
        return lib.zv_lookmarks_get_size(self._ptr())

    def _index(self, i):
        n = len(self)
        if not isinstance(i, int):
            raise TypeError("lookmark indexes are int")
        if not -n <= i < n:
            raise IndexError("lookmark index out of range")
        return i % n

    def __getitem__(self, i):
        return Lookmark._wrap(lib.zv_lookmarks_get_ptr(self._ptr(), self._index(i)), self)

    def __iter__(self):
        return (self[i] for i in range(len(self)))

    def __delitem__(self, i):
        gone = lib.zv_lookmarks_get_ptr(self._ptr(), self._index(i))
        lib.zv_lookmarks_delete_item(self._p, self._index(i))
        self._kill_kids({k for k in self._kids or () if k != gone}, Lookmark)

    def add(self, caption="", zoom=(0.0, 0.0, 1.0, 1.0)):
        """A new lookmark at the end."""
        mark = Lookmark._wrap(lib.zv_lookmarks_add_ptr(self._ptr()), self)
        mark.caption, mark.zoom = caption, zoom
        return mark

    def swap(self, i, j):
        lib.zv_lookmarks_swap_items(self._ptr(), self._index(i), self._index(j))

    def clear(self):
        lib.zv_lookmarks_clear(self._ptr())
        self._kill_kids(set(), Lookmark)

    def _replaced(self):  # a copy brings entries of its own
        self._kill_kids(set(), Lookmark)

    @property
    def active(self):
        """The active lookmark, or None."""
        p = lib.zv_lookmarks_get_active_ptr(self._ptr())
        return Lookmark._wrap(p, self) if p != ffi.NULL else None

    @active.setter
    def active(self, mark):
        lib.zv_lookmarks_set_active_ptr(self._ptr(), expect(mark, Lookmark))

    @active.deleter
    def active(self):
        lib.zv_lookmarks_set_active_idx(self._ptr(), -1)



