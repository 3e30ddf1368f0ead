"""The Python layer over each family of the library, once."""
import uuid

import pytest

import zvk

UTM = "+proj=utm +zone=30 +datum=WGS84 +units=m +no_defs"


@pytest.fixture
def scene():
    with zvk.Scene() as s:
        yield s


@pytest.mark.parametrize("kind, collection_type, scene_class, scene_type, first", [
    (zvk.Scenes, "Scene2DCollectionMetaID", zvk.Scene, "Scene2DMetaID", "Map 1"),
    (zvk.Layouts, "SceneLayoutCollectionMetaID", zvk.Layout, "SceneLayoutMetaID", "Layout 1"),
    (zvk.Columns, "Scene2DCollectionMetaID", zvk.Column, "SceneColumnMetaID", "Column 1"),
])
def test_collections_hold_and_order_their_scenes(kind, collection_type, scene_class, scene_type, first):
    with kind() as c:
        a, b, d = c.add(), c.add(), c.add()
        assert (c.type, type(a), a.type, a.caption) == (collection_type, scene_class, scene_type, first)
        assert len(c) == 3 and list(c) == [a, b, d] and c[-1] is d and c.index(b) == 1 and a.collection is c
        c.move(a, 2)
        assert list(c) == [b, d, a]
        c.active = d
        assert c.active is d
        del c.active
        assert c.active is None
        c.mark(b)
        d.marked = True
        assert c.marked == [b, d]
        c.remove_marked()
        assert list(c) == [a] and not b.alive
        del c[0]
        assert len(c) == 0 and not a.alive
        with pytest.raises(IndexError):
            c[0]


def test_a_scene_keeps_its_fields_and_boxes(scene):
    scene.caption = "Seen from \U0001F30D, Ærø"  # beyond the basic plane, and beyond ASCII
    scene.projection = UTM
    scene.isotropic = False
    scene.background = (10, 20, 30)
    assert (scene.caption, scene.projection) == ("Seen from \U0001F30D, Ærø", UTM)
    assert (scene.isotropic, scene.background, scene.type) == (False, zvk.Color(10, 20, 30, 0), "Scene2DMetaID")
    assert scene.box is None and isinstance(scene.uuid, uuid.UUID)
    a, b = scene.layers.add(), scene.layers.add("raster")
    a.box, b.box = (0, 0, 10, 5), (5, -5, 20, 2)
    assert scene.box == (0, -5, 20, 5) and scene.layers.marked == []
    b.marked = True
    assert scene.marked_box == (5, -5, 20, 2)
    scene.clip.outline = [[(1, 1), (4, 1), (4, 3)]]
    scene.clip.projection = UTM
    scene.clip.enabled = True
    assert scene.clipped_box == (1, 1, 4, 3) and scene.clip.outline == [[(1, 1), (4, 1), (4, 3)]]
    scene.legend_box = (1, 2, 3, 4)
    assert scene.legend_box == (1, 2, 3, 4)
    with zvk.Scene() as copy:
        copy.assign(scene)
        assert copy.equal(scene) and [layer.type for layer in copy.layers] == ["vector", "raster"]


def test_layers_are_a_sequence_with_groups(scene):
    layers = scene.layers
    a, b, c, d = (layers.add(t) for t in ("vector", "raster", "vector", "vector"))
    for layer, name in zip((a, b, c, d), "abcd"):
        layer.caption = name
    assert (len(layers), layers[-1], layers.find("c"), layers.index(c)) == (4, d, c, 2)
    assert (a.type, b.type, a.scene, a.projection, a.drawing_projection) == ("vector", "raster", scene, "", "")
    with pytest.raises(ValueError):
        layers.add("no such type")
    layers.move(a, 3)
    assert [x.caption for x in layers] == ["b", "c", "d", "a"]
    layers.active = d
    assert layers.active is d
    b.marked = c.marked = True
    group = layers.group()
    assert group.is_group and group.sublayers == [b, c] and list(layers) == [group, d, a]
    layers.ungroup(group)
    assert not group.alive and set(layers) == {a, b, c, d}
    del layers[0]
    layers.clear()
    assert len(layers) == 0 and not any(x.alive for x in (a, b, c, d))


@pytest.mark.parametrize("name, kind, prop, value", [
    ("profile", zvk.Profile, "zmax", 250.0),
    ("profile", zvk.Profile, "line", [(0.0, 0.0), (3.0, 4.0)]),
    ("graticule", zvk.Graticule, "visible", True),
    ("scale_line", zvk.ScaleLine, "visible", True),
    ("clip", zvk.Clip, "draw", True),
    ("extent_indicator", zvk.ExtentIndicator, "visible", True),
    ("margins", zvk.Margins, "left", 17),
])
def test_parameter_objects_are_values_the_scene_copies_in(scene, name, kind, prop, value):
    own = kind()
    setattr(own, prop, value)
    assert getattr(own, prop) == value and own != getattr(scene, name)
    setattr(scene, name, own)
    assert getattr(getattr(scene, name), prop) == value and getattr(scene, name) == own == own.copy()
    own.close()


def test_graticule_and_lookmarks_have_their_parts(scene):
    ticks = scene.graticule.main_ticks
    ticks.lon_step = (0, 5, 0)
    ticks.grid.line.color = (1, 2, 3)
    assert ticks.lon_step == (0, 5, 0) and scene.graticule.main_ticks.grid.line.color == (1, 2, 3, 0)
    marks = scene.lookmarks
    north, south = marks.add("north", (1, 2, 3, 4)), marks.add("south")
    marks.active = south
    marks.swap(0, 1)
    assert [m.caption for m in marks] == ["south", "north"] and marks.active is south and north.zoom == (1, 2, 3, 4)
    del marks[0]
    assert not south.alive and marks.active is None and list(marks) == [north]
    scene.lookmarks = zvk.Lookmarks()  # a copy comes in with entries of its own
    assert not north.alive and len(scene.lookmarks) == 0


@pytest.mark.parametrize("operation, scene_hears, collection_hears", [
    (lambda s: setattr(s, "caption", "Lakes"), "B U[2] E", "U[1{2}]"),
    (lambda s: s.layers.add(), "B U[1] E", "U[1{1}]"),
    (lambda s: setattr(s.layers[0], "caption", "roads"), "B U[1{2}] E", "U[1{1{2}}]"),
    (lambda s: setattr(s.layers[0], "box", (0, 0, 1, 1)), "B U[1{21}] E", "U[1{1{21}}]"),
    (lambda s: setattr(s.profile, "xmin", 3.0), "B U[8] E", "U[1{8}]"),
    (lambda s: setattr(s, "projection", UTM), "U[]", "U[1]"),
])
def test_events_decode_as_the_recorder_writes_them(operation, scene_hears, collection_hears):
    with zvk.Scenes() as maps:
        scene = maps.add()
        scene.layers.add()
        with maps.subscribe() as on_maps, scene.subscribe() as on_scene:
            operation(scene)
            assert (on_scene.take(), on_maps.take()) == (scene_hears, collection_hears)


def test_events_carry_nested_properties(scene):
    heard = []
    layer = scene.layers.add()
    with zvk.Scenes() as maps:
        member = maps.add()
        member.layers.add()
        with maps.subscribe(heard.append):
            member.layers[0].marked = True
    assert heard == [zvk.Event("update", {1: {1: {5: {}}}})]
    with scene.subscribe(heard.append):
        with scene.update():
            layer.caption = "x"
            scene.marked = True
        scene.changed()
    assert heard[1:] == [zvk.Event("begin"), zvk.Event("update", {1: {2: {}}, 5: {}}), zvk.Event("end"),
                         zvk.Event("update", {})]
    assert zvk.trace(heard[1:] + [zvk.Event("update", {1: None}), zvk.Event("update")]) == "B U[1{2},5] E U[] U[1{*}] U"


def test_a_raising_listener_reaches_the_caller_after_the_brackets_close(scene):
    calls = []

    def refuse(event):
        calls.append(event.kind)
        if event.kind == "update":
            raise KeyError(f"refused {event.props}")

    with scene.subscribe(refuse), scene.subscribe() as recorder:
        with pytest.raises(KeyError, match="refused {2: {}}"):
            scene.caption = "first"
        assert recorder.take() == "B U[2] E" and calls == ["begin", "update", "end"]
        with pytest.raises(KeyError, match="refused {1: {}}"):
            with scene.update():
                scene.layers.add()
        with pytest.raises(RuntimeError) as body:  # the body's error came first
            with scene.update():
                scene.marked = True
                raise RuntimeError("body")
        assert "refused {5: {}}" in body.value.__notes__[0] and recorder.take() == "B U[1] E B U[5] E"
    with scene.subscribe() as recorder:
        scene.caption = "second"
        assert recorder.take() == "B U[2] E" and len(scene.layers) == 1


def test_objects_the_library_destroyed_raise_and_wrong_arguments_are_type_errors():
    maps = zvk.Scenes()
    scene = maps.add()
    layer, graticule = scene.layers.add(), scene.graticule
    listeners = [scene.subscribe(), scene.subscribe()]  # two on one channel, both gone with it
    maps.close()
    assert not any(sub.alive for sub in listeners)
    for sub in listeners:
        sub.close()
    for dead in (lambda: scene.caption, lambda: layer.box, lambda: graticule.visible, lambda: len(maps)):
        with pytest.raises(zvk.DeadObjectError):
            dead()
    assert issubclass(zvk.DeadObjectError, ReferenceError)
    free = zvk.Scene()
    free.close()
    with pytest.raises(ReferenceError):
        free.layers.add()
    with zvk.Scenes() as maps, zvk.Scene() as other:
        s = maps.add()
        for wrong in (lambda: setattr(maps, "active", None), lambda: setattr(maps, "active", s.layers),
                      lambda: setattr(s, "caption", None), lambda: setattr(s, "margins", other.graticule),
                      lambda: s.layers.index(other), lambda: setattr(s, "marked", "yes"), lambda: s.assign(maps)):
            with pytest.raises(TypeError):
                wrong()


@pytest.fixture
def sample_plugin():
    module = zvk.load_module("zv_sample_plugin", "void zv_sample_plugin_register(void);",
                             "void zv_sample_plugin_unregister(void);")
    module.zv_sample_plugin_register()
    yield
    module.zv_sample_plugin_unregister()


def test_plugin_scenes_collections_and_the_builder(sample_plugin, scene):
    with zvk.plugins() as plugins:
        assert plugins.factories == 1
        with zvk.Scene("sample_scene") as sheet, zvk.PluginScenes("sample_scene_collection") as sheets:
            sheet.source = "1, 2, 3, 4"
            sheet.calc_box()
            assert (sheet.type, sheet.box, sheets.add().type) == ("sample_scene", (1, 2, 3, 4), "sample_scene")
        with pytest.raises(ValueError):
            zvk.Scene("no such type")
        errors = scene.build(["d/roads.zvv", "d/relief.zvr", "notes.txt", "d/old roads.zvv"])
        assert errors == ["d/old roads.zvv: not a data set name"]
        assert [(x.caption, x.type) for x in scene.layers] == [("roads", "vector"), ("relief", "raster")]
    assert zvk.lib.zv_scn_2d_factory_get_count() == 0
