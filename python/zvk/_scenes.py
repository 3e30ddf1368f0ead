"""Scenes, their layers, the collections of scenes, and plug-ins."""
import contextlib
import os

import cffi

from . import _binding
from ._core import (NO_INDEX, Bracket, Handle, Owned, Subscription, box_in, color_in, color_out, expect, ffi,
                    flag, lib, library_dir, narrow_out, pending, prop, raise_pending, read_box, read_text, sib,
                    strings, text_prop, uuid_out, wide_in, wide_list)
from ._params import Clip, ExtentIndicator, Graticule, Lookmarks, Margins, Profile, ScaleLine


def _entity(p):
    # Scenes, layers and collections hold their entity interface first.
    return ffi.cast("Izv_entity*", p)


def _index(i, n, what):
    if not isinstance(i, int) or isinstance(i, bool):
        raise TypeError(f"{what} indexes are int, not {type(i).__name__}")
    if not -n <= i < n:
        raise IndexError(f"{what} index out of range")
    return i % n


# --- Layers ----------------------------------------------------------------

def _hook(name):
    try:  # the layer stand-in's hooks, present in builds of the source tree
        return getattr(sib, name)
    except AttributeError:
        return None


_set_layer_box = _hook("zv_lr2d_test_set_box")
_set_layer_projection = _hook("zv_lr2d_test_set_pj4wstr")


class Layer(Handle):
    """A layer of a scene (owned by it). Layers of a group are the group's
    sub-layers; a group is a layer too."""

    __slots__ = ()

    caption = text_prop(sib.zv_lr2d_get_wcaption, sib.zv_lr2d_set_wcaption)
    marked = prop(sib.zv_lr2d_get_marked, sib.zv_lr2d_set_marked, into=flag)
    drawing_projection = text_prop(sib.zv_lr2d_get_dst_pj4wstr, doc="The scene's projection, which it draws in.")

    @property
    def type(self):
        """The type name it was made with: "vector", "raster", "group", ..."""
        return narrow_out(sib.zv_lr2d_get_lr_type(self._ptr()))

    @property
    def box(self):
        """Its extent in the scene's projection, or None."""
        return read_box(sib.zv_lr2d_get_box, self._ptr())

    @box.setter
    def box(self, value):
        # A layer's extent comes from its data; builds of the source tree let
        # a script give the stand-in layers the extent their data would have.
        if _set_layer_box is None:
            raise AttributeError("a layer's extent comes from its data")
        _set_layer_box(self._ptr(), box_in(value) if value is not None else ffi.NULL)
        raise_pending()

    @property
    def projection(self):
        """The PROJ text of its data."""
        return read_text(sib.zv_lr2d_get_pj4wstr, self._ptr())

    @projection.setter
    def projection(self, text):
        if _set_layer_projection is None:
            raise AttributeError("a layer's projection comes from its data")
        _set_layer_projection(self._ptr(), wide_in(text))

    @property
    def scene(self):
        return self._owner

    @property
    def is_group(self):
        return sib.zv_lr2d_group_safe_downcast(self._ptr()) != ffi.NULL

    @property
    def sublayers(self):
        """A group's layers (an empty list for any other layer)."""
        group = sib.zv_lr2d_group_safe_downcast(self._ptr())
        if group == ffi.NULL:
            return []
        subs = (sib.zv_lr2d_group_get_sublr(group, i) for i in range(sib.zv_lr2d_group_sublr_count(group)))
        return [Layer._wrap(p, self._owner) for p in subs if p != ffi.NULL]

    def subscribe(self, fn=None):
        """A listener on the layer's own channel."""
        return Subscription(self, sib.zv_lr_get_update_event_channel(self._ptr()), fn)

    def _describe(self):
        return repr(self.caption)


class LayerList:
    """A scene's layers in the order of its layer tree, as a sequence."""

    __slots__ = ("_scene",)

    def __init__(self, scene):
        self._scene = scene

    def __len__(self):
        return lib.zv_scn_2d_get_layer_count(self._scene._ptr())

    def __getitem__(self, i):
        p = self._scene._ptr()
        return self._scene._layer(lib.zv_scn_2d_get_layer_ptr(p, _index(i, len(self), "layer")))

    def __iter__(self):
        return (self[i] for i in range(len(self)))

    def __delitem__(self, i):
        lib.zv_scn_2d_del_lr2d(self._scene._ptr(), _index(i, len(self), "layer"))
        self._scene._layers_gone()

    def add(self, type="vector"):
        """A new layer of that type at the end."""
        if not isinstance(type, str):
            raise TypeError("a layer type is a str")
        p = lib.zv_scn_2d_add_layer_type_name(self._scene._ptr(), type.encode())
        if pending:
            raise_pending()
        if p == ffi.NULL:
            raise ValueError(f"no layer type {type!r}")
        return self._scene._layer(p)

    def index(self, layer):
        i = lib.zv_scn_2d_get_lr2d_idx(self._scene._ptr(), expect(layer, Layer))
        if i == NO_INDEX:
            raise ValueError("the layer is not in this list")
        return i

    def _at(self, layer):
        return self.index(layer) if isinstance(layer, Layer) else _index(layer, len(self), "layer")

    def move(self, layer, to):
        """Moves a layer (or the one at an index) to index `to`."""
        lib.zv_scn_2d_move_layer(self._scene._ptr(), self._at(layer), _index(to, len(self), "layer"))
        raise_pending()

    def find(self, caption):
        """The first layer with that caption, or None."""
        p = lib.zv_scn_2d_find_layer_by_caption(self._scene._ptr(), wide_in(caption))
        return self._scene._layer(p) if p != ffi.NULL else None

    @property
    def active(self):
        p = lib.zv_scn_2d_get_active_lr2d(self._scene._ptr())
        return self._scene._layer(p) if p != ffi.NULL else None

    @active.setter
    def active(self, layer):
        lib.zv_scn_2d_set_active_lr2d(self._scene._ptr(), expect(layer, Layer))
        raise_pending()

    @active.deleter
    def active(self):
        lib.zv_scn_2d_set_active_lr2d(self._scene._ptr(), ffi.NULL)
        raise_pending()

    @property
    def marked(self):
        return [layer for layer in self if layer.marked]

    def group(self):
        """The marked layers gathered into a group at the first one's place;
        None when none is marked."""
        if not self.marked:
            return None
        group = lib.zv_scn_2d_create_layer_group(self._scene._ptr())
        raise_pending()
        return self._scene._layer(sib.zv_lr2d_group_safe_upcast(group)) if group != ffi.NULL else None

    def ungroup(self, group):
        """Dissolves a group: its layers take its place."""
        composite = sib.zv_lr2d_group_safe_downcast(expect(group, Layer))
        if composite == ffi.NULL:
            raise ValueError("the layer is no group")
        self.index(group)  # one of this list's
        lib.zv_scn_2d_destroy_layer_group(self._scene._ptr(), composite)
        group._kill()
        self._scene._layers_gone()

    def remove_marked(self):
        lib.zv_scn_2d_del_lr2d_marked(self._scene._ptr())
        self._scene._layers_gone()

    def clear(self):
        lib.zv_scn_2d_clear(self._scene._ptr())
        self._scene._layers_gone()


# --- Scenes ----------------------------------------------------------------

def _value(get, set, kind):
    def fget(self):
        return kind._wrap(get(self._ptr()), self)

    def fset(self, value):
        src = expect(value, kind)
        kind._wrap(get(self._ptr()), self)._replaced()
        set(self._p, src)
        raise_pending()

    return property(fget, fset, doc=f"The scene's {kind.__name__} (its own); setting copies a value in.")


class Scene(Owned):
    """A 2D scene. Scene() makes one of Python's own, Scene(type_name) one of
    a type in the scene factory map (a plug-in's scene type); a collection's
    scenes are the collection's."""

    __slots__ = ("_free",)

    def __init__(self, type_name=None):
        if type_name is None:
            p, free = lib.zv_scn_2d_create(), lib.zv_scn_2d_destroy
        else:
            if not isinstance(type_name, str):
                raise TypeError("a scene type name is a str")
            p, free = lib.zv_scn_2d_factory_create_scn(type_name.encode()), lib.zv_scn_2d_factory_destroy_scn
            raise_pending()
            if p == ffi.NULL:
                raise ValueError(f"no scene type {type_name!r} in the scene factory map")
        self._bind(p, None)
        self._free = free

    def close(self):
        """Destroys a scene of Python's own; a collection's scene is removed
        from its collection instead."""
        p = self._p
        if p is not None and self._owner is None:
            self._kill()
            self._free(p)
            raise_pending()

    @classmethod
    def _member(cls, p, owner):
        """The Python object of a collection's scene, of the class its type asks for."""
        known = owner._kids.get(p) if owner._kids is not None else None
        if known is not None and known._p is not None:
            return known
        kind = _SCENE_CLASSES.get(narrow_out(lib.zv_scn_2d_get_meta_id(p)), Scene)
        return kind._wrap(p, owner)

    def _layer(self, p):
        return Layer._wrap(p, self)

    def _layers_gone(self):
        """Layers may have left the scene: those no longer in it are dead."""
        p = self._p
        if p is not None:
            live, todo = set(), [lib.zv_scn_2d_get_layer_ptr(p, i) for i in range(lib.zv_scn_2d_get_layer_count(p))]
            todo.append(lib.zv_scn_2d_get_background_layer(p))
            while todo:
                layer = todo.pop()
                live.add(layer)
                group = sib.zv_lr2d_group_safe_downcast(layer)
                if group != ffi.NULL:
                    todo += [sib.zv_lr2d_group_get_sublr(group, i) for i in range(sib.zv_lr2d_group_sublr_count(group))]
            self._kill_kids(live, Layer)
        raise_pending()

    caption = text_prop(lib.zv_scn_2d_get_wcaption, lib.zv_scn_2d_set_wcaption)
    projection = text_prop(lib.zv_scn_2d_get_prj4wstring, lib.zv_scn_2d_set_prj4wstring, doc="The PROJ text.")
    marked = prop(lib.zv_scn_2d_get_marked, lib.zv_scn_2d_set_marked, into=flag)
    isotropic = prop(lib.zv_scn_2d_get_izotropic, lib.zv_scn_2d_set_izotropic, into=flag)
    background = prop(lib.zv_scn_2d_get_background_clr, lib.zv_scn_2d_set_background_clr, color_out, color_in)
    source = text_prop(lib.zv_scn_2d_get_source, lib.zv_scn_2d_set_source, doc="A plug-in scene's source.")
    can_show_graticule = prop(lib.zv_scn_2d_can_show_graticule, doc="False for a profile or an invalid projection.")

    profile = _value(lib.zv_scn_2d_get_prf_data_ptr, lib.zv_scn_2d_set_prf_data, Profile)
    graticule = _value(lib.zv_scn_2d_get_graticule_params_ptr, lib.zv_scn_2d_set_graticule_params, Graticule)
    scale_line = _value(lib.zv_scn_2d_get_scale_line_params_ptr, lib.zv_scn_2d_set_scale_line_params, ScaleLine)
    lookmarks = _value(lib.zv_scn_2d_get_lookmarks_ptr, lib.zv_scn_2d_set_lookmarks, Lookmarks)
    clip = _value(lib.zv_scn_2d_get_clip_params, lib.zv_scn_2d_set_clip_params, Clip)
    extent_indicator = _value(lib.zv_scn_2d_get_extent_ind_ptr, lib.zv_scn_2d_set_extent_ind, ExtentIndicator)
    margins = _value(lib.zv_scn_2d_get_margins_ptr, lib.zv_scn_2d_set_margins, Margins)

    @property
    def layers(self):
        return LayerList(self)

    @property
    def type(self):
        """The scene's type name (meta id)."""
        return narrow_out(lib.zv_scn_2d_get_meta_id(self._ptr()))

    @property
    def uuid(self):
        return uuid_out(lib.zv_scn_2d_get_uuid(self._ptr()))

    @property
    def collection(self):
        """The collection that holds the scene, or None."""
        return self._owner

    @property
    def box(self):
        """The union of the layers' extents, or None."""
        return read_box(lib.zv_scn_2d_get_box, self._ptr())

    @property
    def clipped_box(self):
        """The clip outline's box in the scene's projection when clipping is on, else the box."""
        return read_box(lib.zv_scn_2d_get_clipped_box, self._ptr())

    @property
    def active_box(self):
        return read_box(lib.zv_scn_2d_get_active_lr2d_box, self._ptr())

    @property
    def marked_box(self):
        return read_box(lib.zv_scn_2d_get_marked_lr2d_box, self._ptr())

    @property
    def legend_box(self):
        return read_box(lib.zv_scn_2d_get_legend_box, self._ptr())

    @legend_box.setter
    def legend_box(self, value):
        if value is None:
            lib.zv_scn_2d_set_legend_box(self._ptr(), box_in((0, 0, 0, 0)), False)
        else:
            lib.zv_scn_2d_set_legend_box(self._ptr(), box_in(value), True)

    def calc_box(self):
        lib.zv_scn_2d_calc_box(self._ptr())

    def changed(self):
        """Announces that the whole scene changed."""
        lib.zv_scn_2d_changed(self._ptr())
        raise_pending()

    def update(self):
        """One update bracket: `with scene.update(): ...`."""
        return Bracket(self, sib.zv_scn_begin_update, sib.zv_scn_end_update)

    def subscribe(self, fn=None):
        """Calls fn(event) for each event the scene announces, until closed."""
        return Subscription(self, lib.zv_scn_2d_get_update_event_channel(self._ptr()), fn)

    def assign(self, other):
        """Copies another scene's fields, parameters and layers into this one."""
        src = expect(other, Scene)
        self._replaced()
        lib.zv_scn_2d_assign(self._ptr(), src)
        raise_pending()

    def _replaced(self):
        """A copy is about to come in: its layers and lookmarks replace the scene's."""
        self._kill_kids(set(), Layer)
        self.lookmarks._replaced()

    def equal(self, other):
        """Same extras, caption, background, projection and parameters."""
        return bool(lib.zv_scn_2d_equal(self._ptr(), expect(other, Scene)))

    def build(self, sources):
        """Adds layers made from source names by the plug-ins' filters; the
        errors of the building, one text each."""
        with Builder(self) as builder:
            return builder.add(sources)

    def _describe(self):
        return repr(self.caption)


class Layout(Scene):
    """A print layout: a scene with a page layer."""

    __slots__ = ()

    def __init__(self):
        self._bind(lib.zv_scn_layout_create(), None)
        self._free = lib.zv_scn_layout_destroy

    @property
    def page(self):
        return self._layer(lib.zv_scn_layout_get_page_lr2d(self._ptr()))

    @property
    def page_box(self):
        """The sheet, in millimetres."""
        return read_box(sib.zv_lr2d_page_get_box, lib.zv_scn_layout_get_page_lr2d(self._ptr()))

    @page_box.setter
    def page_box(self, value):
        sib.zv_lr2d_page_set_box(lib.zv_scn_layout_get_page_lr2d(self._ptr()), box_in(value))
        raise_pending()


class Column(Scene):
    """A column scene."""

    __slots__ = ()

    def __init__(self):
        self._bind(lib.zv_scn_clm_create(), None)
        self._free = lib.zv_scn_clm_destroy


_SCENE_CLASSES = {"SceneLayoutMetaID": Layout, "SceneColumnMetaID": Column}


# --- Collections -----------------------------------------------------------

class Scenes(Owned):
    """A collection of scenes, which owns them: Scenes() for maps, Layouts()
    for print layouts, Columns() for column scenes."""

    __slots__ = ()
    _create, _destroy = lib.zv_scns_2d_create, lib.zv_scns_2d_destroy

    def __init__(self):
        self._bind(type(self)._create(), None)

    def _gone(self):
        """Scenes may have left: those no longer in it are dead."""
        p = self._p
        if p is not None:
            self._kill_kids({lib.zv_scns_2d_get(p, i) for i in range(lib.zv_scns_2d_get_size(p))}, Scene)
        raise_pending()

    def __len__(self):
        return lib.zv_scns_2d_get_size(self._ptr())

    def __getitem__(self, i):
        return Scene._member(lib.zv_scns_2d_get(self._ptr(), _index(i, len(self), "scene")), self)

    def __iter__(self):
        return (self[i] for i in range(len(self)))

    def __delitem__(self, i):
        lib.zv_scns_2d_del(self._ptr(), _index(i, len(self), "scene"))
        self._gone()

    def add(self):
        """A new scene at the end, named after the collection's kind."""
        p = lib.zv_scns_2d_add(self._ptr())
        raise_pending()
        return Scene._member(p, self)

    def index(self, scene):
        p = expect(scene, Scene)
        for i in range(len(self)):
            if lib.zv_scns_2d_get(self._p, i) == p:
                return i
        raise ValueError("the scene is not in this collection")

    def move(self, scene, to):
        """Moves a scene (or the one at an index) to index `to`."""
        i = self.index(scene) if isinstance(scene, Scene) else _index(scene, len(self), "scene")
        lib.zv_scns_2d_move_scn(self._ptr(), i, _index(to, len(self), "scene"))
        raise_pending()

    @property
    def active(self):
        p = lib.zv_scns_2d_get_active_scn(self._ptr())
        return Scene._member(p, self) if p != ffi.NULL else None

    @active.setter
    def active(self, scene):
        lib.zv_scns_2d_set_active_scn(self._ptr(), _entity(expect(scene, Scene)))
        raise_pending()

    @active.deleter
    def active(self):
        lib.zv_scns_2d_set_active_scn(self._ptr(), ffi.NULL)
        raise_pending()

    @property
    def marked(self):
        return [scene for scene in self if scene.marked]

    def mark(self, scene):
        """Marks that scene and unmarks the others."""
        lib.zv_scns_2d_set_marked_scn(self._ptr(), _entity(expect(scene, Scene)))
        raise_pending()

    def remove_marked(self):
        lib.zv_scns_2d_del_marked(self._ptr())
        self._gone()

    def clear(self):
        lib.zv_scns_2d_clear(self._ptr())
        self._gone()

    def assign(self, other):
        """As many scenes as `other`, each a copy of the one at its index."""
        src = expect(other, Scenes)
        for scene in list(self):
            scene._replaced()
        lib.zv_scns_2d_assign(self._ptr(), src)
        self._gone()

    def equal(self, other):
        return bool(lib.zv_scns_2d_equal(self._ptr(), expect(other, Scenes)))

    @property
    def type(self):
        return narrow_out(lib.zv_scns_2d_get_meta_id(self._ptr()))

    @property
    def uuid(self):
        return uuid_out(lib.zv_scns_2d_get_uuid(self._ptr()))

    def update(self):
        return Bracket(self, lambda p: sib.zv_entity_begin_update(_entity(p)),
                       lambda p: sib.zv_entity_end_update(_entity(p)))

    def subscribe(self, fn=None):
        return Subscription(self, lib.zv_scns_2d_get_update_event_channel(self._ptr()), fn)


class Layouts(Scenes):
    __slots__ = ()
    _create, _destroy = lib.zv_scns_layout_create, lib.zv_scns_layout_destroy


class Columns(Scenes):
    __slots__ = ()
    _create, _destroy = lib.zv_scns_clm_create, lib.zv_scns_clm_destroy


class PluginScenes(Scenes):
    """A collection made by a plug-in scene factory, chosen by the collection
    type name the plug-in gives it (or by the factory's index)."""

    __slots__ = ()
    _destroy = lib.zv_plugin_scns_2d_destroy

    def __init__(self, type_name):
        if isinstance(type_name, int) and not isinstance(type_name, bool):
            p = lib.zv_plugin_scns_2d_create(type_name)
        elif isinstance(type_name, str):
            p = self._by_name(type_name)
        else:
            raise TypeError("a collection type name (str) or factory index (int) is wanted")
        raise_pending()
        if p == ffi.NULL:
            raise ValueError(f"no plug-in scene factory makes {type_name!r} collections")
        self._bind(p, None)

    @staticmethod
    def _by_name(name):
        for i in range(lib.zv_scn_2d_factory_get_count()):
            p = lib.zv_plugin_scns_2d_create(i)
            if narrow_out(lib.zv_scns_2d_get_meta_id(p)) == name:
                return p
            lib.zv_plugin_scns_2d_destroy(p)
        return ffi.NULL


# --- Plug-ins ---------------------------------------------------------------

class Builder(Owned):
    """The scene builder: fills a scene with layers made from source names by
    the filters of the plug-ins' editor extensions."""

    __slots__ = ("_scene",)
    _destroy = lib.zv_scn2d_builder_destroy

    def __init__(self, scene, identifier=strings["ZV_SCENE_2D_EDITOR_EXTENSION_ID"]):
        sp = expect(scene, Scene)
        self._bind(lib.zv_scn2d_builder_create(), None)
        self._scene = scene
        lib.zv_scn2d_builder_init(self._p, sp, wide_in(identifier))
        raise_pending()

    def _call(self, fn, sources):
        self._scene._ptr()  # the builder works on its scene, which must live
        names = wide_list(sources)
        try:
            return fn(self._ptr(), names)
        finally:
            sib.zv_wstrings_destroy(names)

    def supports(self, sources):
        """True when some filter supports one of the names."""
        return bool(self._call(lib.zv_scn2d_builder_is_supported, sources))

    def add(self, sources):
        """Adds the layers; the errors collected, one text each."""
        self._call(lib.zv_scn2d_builder_add_sources, sources)
        raise_pending()
        return read_text(lib.zv_scn2d_builder_get_errors, self._p).splitlines()


class _Plugins:
    def __init__(self):
        self.inits = 0

    @property
    def factories(self):
        """The number of plug-in scene factories."""
        return lib.zv_scn_2d_factory_get_count()


@contextlib.contextmanager
def plugins():
    """The library started for plug-in scenes: `with zvk.plugins(): ...`
    calls init on entering and done on leaving, also when the body raises."""
    state = _Plugins()
    state.inits = lib.zv_plugin_scn_2d_init()
    raise_pending()
    try:
        yield state
    finally:
        lib.zv_plugin_scn_2d_done()
        raise_pending()


def load_module(name, *declarations):
    """A plug-in (or any) module loaded as a host loads it, with the entry
    points given as C declarations: load_module("zv_sample_plugin",
    "void zv_sample_plugin_register(void);"). A bare name is looked for
    beside the library."""
    path = name if os.sep in name or "/" in name else os.path.join(library_dir, _binding.module_file(name))
    module_ffi = cffi.FFI()
    module_ffi.cdef("\n".join(declarations))
    return module_ffi.dlopen(path)


