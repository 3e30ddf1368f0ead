"""Builds the demo's map and a layout page through the zvk package and draws
both into a PNG with matplotlib.

The map "Lakes" is built from source names by the sample plug-in's filters
in UTM zone 30N; its layers' data (in degrees) are given the extents they
would have, two of them are grouped, and the map gets a clip outline, a
graticule every 5 minutes and a lookmark. The layout is an A4 sheet with a
map frame and a legend; the map is drawn inside the frame.

    /usr/bin/python3 examples/python/overview.py [out.png]

Run scripts/python.sh once first: it builds the library, the sample plug-in
and the package's declarations (and then runs this script).
"""
import math
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "python"))
import matplotlib  # noqa: E402

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402
from matplotlib.patches import Polygon, Rectangle  # noqa: E402

import zvk  # noqa: E402

UTM30 = "+proj=utm +zone=30 +datum=WGS84 +units=m +no_defs"
GEOGRAPHIC = "+proj=longlat +datum=WGS84 +no_defs"
SOURCES = ["data/roads.zvv", "data/relief.zvr", "notes.txt", "data/old roads.zvv", "data/lakes.ZVV", "data/peaks.zvv"]
# The extents (degrees) that the data behind the names would give.
EXTENTS = {"roads": (-3.20, 54.36, -2.94, 54.52), "relief": (-3.30, 54.30, -2.85, 54.62),
           "lakes": (-3.10, 54.40, -2.98, 54.50), "peaks": (-3.25, 54.44, -3.05, 54.58)}
CLIP_RING = [(-3.22, 54.38), (-2.92, 54.36), (-2.96, 54.56), (-3.18, 54.60)]
# Vector data as outlines, raster data as a filled, dotted surface.
STYLE = {"vector": dict(fill=False, linewidth=1.6), "raster": dict(fill=True, alpha=0.22, hatch="...", linewidth=0.8)}
COLOURS = {"roads": "#c0392b", "relief": "#7d6608", "lakes": "#1f6fb2", "peaks": "#6c3483"}


def reproject(points, src, dst):
    """Points carried from one system to another by the projection library."""
    sib = zvk.sib
    r, ov = sib.zv_rpj_d2_create(), sib.zv_ov_d2_create()
    try:
        for x, y in points:
            sib.zv_ov_d2_add_vtx(ov, x, y)
        if not (sib.zv_rpj_d2_init_w(r, src, dst) and sib.zv_rpj_d2_apply_ov(r, ov)):
            raise RuntimeError(f"cannot reproject from {src} to {dst}")
        return [(v.x, v.y) for v in (sib.zv_ov_d2_get_vtx(ov, 0, i) for i in range(len(points)))]
    finally:
        sib.zv_ov_d2_destroy(ov)
        sib.zv_rpj_d2_destroy(r)


def dms(degrees, hemispheres):
    """3°10′W: `hemispheres` names the positive side, then the negative."""
    minutes = round(abs(degrees) * 60)
    return f"{minutes // 60}°{minutes % 60:02d}′{hemispheres[degrees < 0]}"


def build_map(scene):
    scene.caption = "Lakes"
    scene.projection = UTM30
    errors = scene.build(SOURCES)
    for layer in scene.layers:  # their data arrives
        layer.projection = GEOGRAPHIC
        layer.box = EXTENTS[layer.caption]
    relief, peaks = scene.layers.find("relief"), scene.layers.find("peaks")
    relief.marked = peaks.marked = True
    terrain = scene.layers.group()
    terrain.caption = "terrain"
    clip = scene.clip
    clip.outline, clip.projection, clip.enabled, clip.draw = [CLIP_RING], GEOGRAPHIC, True, True
    graticule = scene.graticule
    graticule.visible = True
    graticule.main_ticks.lon_step = graticule.main_ticks.lat_step = (0, 5, 0)
    lake = scene.layers.find("lakes").box
    scene.lookmarks.add("Derwent Water", (lake.xmin, lake.ymin, lake.xmax, lake.ymax))
    return errors


def map_layers(scene):
    """(caption, type, box, group caption or None) of every layer, groups opened."""
    out = []
    for layer in scene.layers:
        if layer.is_group:
            out += [(sub.caption, sub.type, sub.box, layer.caption) for sub in layer.sublayers]
        else:
            out.append((layer.caption, layer.type, layer.box, None))
    return out


def graticule_lines(scene, frame):
    """(label, side, points in the map's system) of each graticule line crossing `frame`."""
    ticks = scene.graticule.main_ticks
    steps = [d + m / 60 + s / 3600 for d, m, s in (ticks.lon_step, ticks.lat_step)]
    corners = reproject([(frame.xmin, frame.ymin), (frame.xmax, frame.ymin), (frame.xmax, frame.ymax),
                         (frame.xmin, frame.ymax)], scene.projection, GEOGRAPHIC)
    lons, lats = [c[0] for c in corners], [c[1] for c in corners]
    lines = []
    for axis, step, lo, hi in ((0, steps[0], min(lons), max(lons)), (1, steps[1], min(lats), max(lats))):
        value = math.ceil(lo / step) * step
        while value <= hi:
            other = (min(lats), max(lats)) if axis == 0 else (min(lons), max(lons))
            run = [other[0] + (other[1] - other[0]) * k / 40 for k in range(41)]
            points = [(value, t) if axis == 0 else (t, value) for t in run]
            lines.append((dms(value, "EW" if axis == 0 else "NS"), axis, reproject(points, GEOGRAPHIC, scene.projection)))
            value += step
    return lines


class Placement:
    """Map coordinates placed into a rectangle (the map frame on the page),
    one scale for both axes."""

    def __init__(self, view, frame):
        self.view = view
        self.scale = min((frame.xmax - frame.xmin) / (view.xmax - view.xmin),
                         (frame.ymax - frame.ymin) / (view.ymax - view.ymin))
        self.x0 = (frame.xmin + frame.xmax) / 2 - self.scale * (view.xmin + view.xmax) / 2
        self.y0 = (frame.ymin + frame.ymax) / 2 - self.scale * (view.ymin + view.ymax) / 2

    def __call__(self, points):
        return [(self.x0 + self.scale * x, self.y0 + self.scale * y) for x, y in points]


def clip_line(points, box):
    """The part of a line (crossing the box once) inside it, its ends on the box's sides."""
    def inside(p):
        return box.xmin <= p[0] <= box.xmax and box.ymin <= p[1] <= box.ymax

    def border(a, b):  # where the segment from a (inside) to b (outside) leaves the box
        t = 1.0
        for lo, hi, pa, pb in ((box.xmin, box.xmax, a[0], b[0]), (box.ymin, box.ymax, a[1], b[1])):
            if pb < lo:
                t = min(t, (lo - pa) / (pb - pa))
            elif pb > hi:
                t = min(t, (hi - pa) / (pb - pa))
        return a[0] + t * (b[0] - a[0]), a[1] + t * (b[1] - a[1])

    kept = [i for i, p in enumerate(points) if inside(p)]
    if not kept:
        return []
    first, last = kept[0], kept[-1]
    line = points[first:last + 1]
    if first > 0:
        line.insert(0, border(points[first], points[first - 1]))
    if last < len(points) - 1:
        line.append(border(points[last], points[last + 1]))
    return line


def box_ring(box):
    return [(box.xmin, box.ymin), (box.xmax, box.ymin), (box.xmax, box.ymax), (box.xmin, box.ymax)]


def draw_map(ax, scene, view, place, label_size, outside):
    """The map inside `view` (map units), placed by `place` into the axes'
    units and clipped to its place; graticule labels on the sides named by
    `outside` (lon: "bottom" or "top", lat: "left" or "right")."""
    area = place(box_ring(view))
    frame = Polygon(area, closed=True, facecolor="#f4f7f0", edgecolor="none", zorder=0)
    ax.add_patch(frame)
    drawn = []
    for text, axis, points in graticule_lines(scene, view):
        inside = clip_line(points, view)
        if len(inside) < 2:
            continue
        xs, ys = zip(*place(inside))
        drawn += ax.plot(xs, ys, color="#9a9a9a", linewidth=0.6, zorder=1)
        side = outside[axis]
        end = 0 if side in ("bottom", "left") else -1
        shift = {"bottom": (0, -3), "top": (0, 3), "left": (-3, 0), "right": (3, 0)}[side]
        ax.annotate(text, (xs[end], ys[end]), xytext=shift, textcoords="offset points", fontsize=label_size,
                    ha={"left": "right", "right": "left"}.get(side, "center"),
                    va={"bottom": "top", "top": "bottom"}.get(side, "center"), color="#555555", annotation_clip=False)
    for caption, kind, box, group in map_layers(scene):
        colour = COLOURS.get(caption, "black")
        drawn.append(ax.add_patch(Polygon(place(box_ring(box)), closed=True, edgecolor=colour, facecolor=colour,
                                          zorder=3 if kind == "vector" else 2, **STYLE[kind])))
        x, y = place([(box.xmin, box.ymax)])[0]
        name = f"{group} / {caption}" if group else caption
        drawn.append(ax.annotate(f"{name} ({kind})", (x, y), xytext=(3, -3), textcoords="offset points", ha="left",
                                 va="top", fontsize=label_size, color=colour, zorder=5))
    for layer in scene.layers:
        if layer.is_group:  # the group's extent, around its layers'
            b = layer.box
            drawn.append(ax.add_patch(Polygon(place(box_ring(b)), closed=True, fill=False, edgecolor="#444444",
                                              linestyle="-.", linewidth=0.9, zorder=3)))
            x, y = place([(b.xmax, b.ymax)])[0]
            drawn.append(ax.annotate(f"group {layer.caption}", (x, y), xytext=(-3, -3), textcoords="offset points",
                                     ha="right", va="top", fontsize=label_size, color="#444444", zorder=5))
    for ring in scene.clip.outline_in(scene.projection) or []:
        drawn.append(ax.add_patch(Polygon(place(ring), closed=True, fill=False, edgecolor="black", linestyle="--",
                                          linewidth=1.4, zorder=4)))
    for mark in scene.lookmarks:
        z = mark.zoom
        drawn.append(ax.add_patch(Polygon(place(box_ring(zvk.Box(*z))), closed=True, fill=False,
                                          edgecolor="#117a65", linestyle=":", linewidth=1.6, zorder=4)))
        x, y = place([(z[0], z[1])])[0]
        drawn.append(ax.annotate(f"lookmark: {mark.caption}", (x, y), xytext=(3, 3), textcoords="offset points",
                                 ha="left", va="bottom", fontsize=label_size, color="#117a65", zorder=5))
    for artist in drawn:
        artist.set_clip_path(frame)


def draw_legend(ax, scene, box, size):
    ax.text(box.xmin + 3, box.ymax - 3, "Legend", fontsize=size + 1, weight="bold", va="top")
    entries = [(caption, kind, group) for caption, kind, _, group in map_layers(scene)]
    entries += [(f"terrain (group)", "group", None)]
    entries += [("clip outline", "clip", None), ("lookmark", "lookmark", None), ("graticule, 5′", "graticule", None)]
    row = (box.ymax - box.ymin - 10) / len(entries)
    for i, (caption, kind, group) in enumerate(entries):
        y = box.ymax - 10 - (i + 0.5) * row
        x = box.xmin + 5 + (4 if group else 0)
        if kind in STYLE:
            colour = COLOURS.get(caption, "black")
            ax.add_patch(Rectangle((x, y - 1.5), 7, 3, edgecolor=colour, facecolor=colour, **STYLE[kind]))
            caption = f"{caption} ({kind}{', in ' + group if group else ''})"
        else:
            style = {"clip": ("black", "--"), "lookmark": ("#117a65", ":"), "graticule": ("#9a9a9a", "-"),
                     "group": ("#444444", "-.")}[kind]
            ax.plot([x, x + 7], [y, y], color=style[0], linestyle=style[1], linewidth=1.3)
        ax.text(x + 10, y, caption, fontsize=size, va="center")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "overview.png"
    plugin = zvk.load_module("zv_sample_plugin", "void zv_sample_plugin_register(void);",
                             "void zv_sample_plugin_unregister(void);")
    plugin.zv_sample_plugin_register()
    with zvk.plugins(), zvk.Scenes() as maps, zvk.Layouts() as layouts:
        scene = maps.add()
        errors = build_map(scene)
        print(f"map {scene.caption!r} in {scene.projection}")
        print("  builder errors: " + ("; ".join(errors) or "none"))
        for caption, kind, box, group in map_layers(scene):
            print(f"  {caption:7} {kind:7} {'group ' + group if group else '':14} box {tuple(round(v) for v in box)}")
        print(f"  box {tuple(round(v) for v in scene.box)}, clipped {tuple(round(v) for v in scene.clipped_box)}")

        layout = layouts.add()
        layout.caption = "A4 sheet"
        layout.page_box = (0, 0, 210, 297)
        for name, box in (("map frame", (15, 70, 195, 282)), ("legend", (15, 15, 120, 62))):
            part = layout.layers.add("vector")
            part.caption, part.box = name, box

        figure, (map_ax, page_ax) = plt.subplots(1, 2, figsize=(16, 10), gridspec_kw={"width_ratios": [1.25, 1]})
        view = scene.box
        pad = 0.04 * max(view.xmax - view.xmin, view.ymax - view.ymin)
        view = zvk.Box(view.xmin - pad, view.ymin - pad, view.xmax + pad, view.ymax + pad)
        draw_map(map_ax, scene, view, lambda points: points, 8, ("top", "right"))
        map_ax.set_xlim(view.xmin, view.xmax)
        map_ax.set_ylim(view.ymin, view.ymax)
        map_ax.set_aspect("equal")
        map_ax.ticklabel_format(style="plain", useOffset=False)
        map_ax.tick_params(labelsize=7)
        map_ax.set_xlabel("easting (m), UTM zone 30N", fontsize=8)
        map_ax.set_ylabel("northing (m)", fontsize=8)
        map_ax.set_title(f"Map: {scene.caption}  (layer extents, clip outline, graticule, lookmark)", fontsize=11,
                         pad=22)

        page = layout.page_box
        page_ax.add_patch(Rectangle((page.xmin, page.ymin), page.xmax - page.xmin, page.ymax - page.ymin,
                                    facecolor="white", edgecolor="black", linewidth=1.2))
        parts = {layer.caption: layer.box for layer in layout.layers}
        frame = parts["map frame"]
        inner = zvk.Box(frame.xmin + 15, frame.ymin + 7, frame.xmax - 3, frame.ymax - 3)  # room for the labels
        draw_map(page_ax, scene, view, Placement(view, inner), 5.5, ("bottom", "left"))
        page_ax.add_patch(Rectangle((frame.xmin, frame.ymin), frame.xmax - frame.xmin, frame.ymax - frame.ymin,
                                    fill=False, edgecolor="black", linewidth=1.0))
        legend = parts["legend"]
        page_ax.add_patch(Rectangle((legend.xmin, legend.ymin), legend.xmax - legend.xmin,
                                    legend.ymax - legend.ymin, fill=False, edgecolor="black", linewidth=0.8))
        draw_legend(page_ax, scene, legend, 6.5)
        page_ax.text((page.xmin + page.xmax) / 2, frame.ymax + 5, scene.caption, ha="center", fontsize=12,
                     weight="bold")
        scale = Placement(view, inner).scale  # page mm per map metre
        page_ax.text(legend.xmax + 6, legend.ymax - 3, f"scale 1:{round(1 / (scale / 1000), -3):,.0f}\n"
                     "UTM zone 30N, WGS 84\ngraticule in degrees and minutes", fontsize=6.5, va="top", linespacing=1.6)
        page_ax.set_xlim(page.xmin - 8, page.xmax + 8)
        page_ax.set_ylim(page.ymin - 8, page.ymax + 8)
        page_ax.set_aspect("equal")
        page_ax.tick_params(labelsize=7)
        page_ax.set_xlabel("mm", fontsize=8)
        page_ax.set_title(f"Layout: {layout.caption}, {page.xmax - page.xmin:.0f} × {page.ymax - page.ymin:.0f} mm",
                          fontsize=11)
        figure.tight_layout()
        figure.savefig(out, dpi=110)
        plt.close(figure)
    plugin.zv_sample_plugin_unregister()
    print(f"drawn into {out}")


if __name__ == "__main__":
    main()
