"""zvk: the 2D scene library of the GIS framework, from Python.

    import zvk
    maps = zvk.Scenes()
    scene = maps.add()
    scene.projection = "+proj=utm +zone=30 +datum=WGS84 +units=m +no_defs"
    with scene.update():
        roads = scene.layers.add("vector")
        roads.caption = "roads"

Every export of the library is zvk.lib.<name> (the sibling modules'
functions zvk.sib.<name>, the FFI zvk.ffi), declared from the public
headers. On top of them: collections (Scenes, Layouts, Columns,
PluginScenes), Scene with its layers and parameter objects, update brackets
(`with scene.update():`), listeners (scene.subscribe(fn)), plug-ins
(`with zvk.plugins():`, Builder, load_module).

Objects belong to the library as they do in C: a collection's scenes and a
scene's layers die with their owner or when removed; Python's own objects
(Scene(), Scenes(), Margins(), ...) are destroyed by close(), a with block,
or when Python collects them. Using an object the library destroyed raises
DeadObjectError. What a listener raises is raised again by the Python call
that made the library announce, once the library has returned.
"""
from ._core import (Box, Color, DeadObjectError, Event, Subscription, declarations, ffi, lib, library_dir, sib,
                    strings, trace)
from ._params import (Clip, ExtentIndicator, Frame, Graticule, Grid, Line, Lookmark, Lookmarks, Margins, Profile,
                      ScaleLine, Ticks)
from ._scenes import (Builder, Column, Columns, Layer, LayerList, Layout, Layouts, PluginScenes, Scene, Scenes,
                      load_module, plugins)

__all__ = ["Box", "Builder", "Clip", "Color", "Column", "Columns", "DeadObjectError", "Event", "ExtentIndicator",
           "Frame", "Graticule", "Grid", "Layer", "LayerList", "Layout", "Layouts", "Line", "Lookmark", "Lookmarks",
           "Margins", "PluginScenes", "Profile", "ScaleLine", "Scene", "Scenes", "Subscription", "Ticks",
           "declarations", "ffi", "lib", "library_dir", "load_module", "plugins", "sib", "strings", "trace"]
