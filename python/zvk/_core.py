"""What every part of the Python layer shares: the loaded library, texts,
boxes and colours, the lifetime of wrapped objects, listener exceptions and
decoded events."""
import atexit
import uuid
import weakref
from typing import NamedTuple

from . import _binding

ffi, lib, sib, strings, declarations, library_dir = _binding.load()

NO_INDEX = 0xFFFFFFFF


class DeadObjectError(ReferenceError):
    """The library has destroyed the object that this Python object stood for."""


# --- Wide texts ------------------------------------------------------------
# wchar_t is UTF-32 on Linux, where cffi converts str itself; on Windows it
# is UTF-16, and characters outside the basic plane travel as surrogate pairs.

WCHAR_BYTES = ffi.sizeof("wchar_t")


def wide_in(text):
    """A str as the library takes a wide text."""
    if type(text) is not str:
        raise TypeError(f"a text must be a str, not {type(text).__name__}")
    if WCHAR_BYTES == 4:
        return text
    units = text.encode("utf-16-le", "surrogatepass")
    buf = ffi.new("wchar_t[]", len(units) // 2 + 1)
    ffi.memmove(buf, units, len(units))
    return buf


def wide_out(p):
    """A wide text of the library as str."""
    if p == ffi.NULL:
        return ""
    if WCHAR_BYTES == 4:
        return ffi.string(p)
    units = ffi.cast("uint16_t*", p)
    n = 0
    while units[n]:
        n += 1
    return bytes(ffi.buffer(units, 2 * n)).decode("utf-16-le", "surrogatepass")


def narrow_out(p):
    return ffi.string(p).decode("utf-8", "replace") if p != ffi.NULL else ""


# Producers feed texts into one adapter; the last text fed is the answer.
_fed = [""]


@ffi.callback("Tzv_unicode_string_callback")
def _feed_wide(s, data):
    _fed[0] = wide_out(s)


@ffi.callback("Tzv_ansi_string_callback")
def _feed_narrow(s, data):
    _fed[0] = narrow_out(s)


_adapter = sib.zv_string_adp_create(_feed_narrow, _feed_wide, ffi.NULL)


def read_text(fn, *args):
    """What `fn(*args, adapter)` feeds."""
    _fed[0] = ""
    fn(*args, _adapter)
    return _fed[0]


def wide_list(texts):
    """A Tzv_wstrings_obj holding the texts; the caller destroys it."""
    if isinstance(texts, str):
        raise TypeError("a list of texts is wanted, not one str")
    items = [wide_in(t) for t in texts]
    out = sib.zv_wstrings_create()
    for t in items:
        sib.zv_wstrings_add_str(out, t)
    return out


# --- Small values ----------------------------------------------------------

class Box(NamedTuple):
    xmin: float
    ymin: float
    xmax: float
    ymax: float


class Color(NamedTuple):
    r: int
    g: int
    b: int
    a: int = 0


def box_in(value):
    if value is None or isinstance(value, (str, bytes)):
        raise TypeError("a box is four numbers: xmin, ymin, xmax, ymax")
    return ffi.new("Tzv_box_d2*", [float(v) for v in Box(*value)])


def read_box(fn, *args):
    """The box `fn(*args, out)` writes, or None when it answers false."""
    out = ffi.new("Tzv_box_d2*")
    return Box(out.xmin, out.ymin, out.xmax, out.ymax) if fn(*args, out) else None


def color_in(value):
    if value is None or isinstance(value, (str, bytes)):
        raise TypeError("a colour is (r, g, b) or (r, g, b, a)")
    return ffi.new("Tzv_color*", list(Color(*value)))[0]


def color_out(c):
    return Color(c.r, c.g, c.b, c.a)


def uuid_out(p):
    return uuid.UUID(bytes=bytes(ffi.buffer(p.bytes))) if p != ffi.NULL else None


def uuid_in(value):
    if not isinstance(value, uuid.UUID):
        raise TypeError("a uuid.UUID is wanted")
    return ffi.new("Tzv_uuid_t*", [list(value.bytes)])


# --- Listener exceptions ---------------------------------------------------
# A listener runs inside the library: what it raises is kept here, and the
# Python call that made the library announce raises it once the library has
# returned (its brackets closed).

pending = []


def raise_pending():
    if pending:
        error = pending[0]
        pending.clear()
        raise error


# --- Lifetime --------------------------------------------------------------

_exiting = False


@atexit.register
def _at_exit():
    # Listeners go first: the interpreter takes their objects apart in no
    # particular order, and nothing may call into one that is gone.
    global _exiting
    for sub in list(_subscriptions):
        sub.close()
    _exiting = True


class Handle:
    """A Python object standing for one object of the library.

    `_p` is the library's pointer, None once the object is gone. `_owner` is
    the Python object of what owns it (kept alive by it); `_kids` the live
    Python objects of what it owns, by pointer, which die with it."""

    __slots__ = ("_p", "_owner", "_kids", "__weakref__")

    def _bind(self, p, owner, key=None):
        self._p = p
        self._owner = owner
        self._kids = None
        if owner is not None:
            kids = owner._kids
            if kids is None:
                kids = owner._kids = weakref.WeakValueDictionary()
            kids[p if key is None else key] = self
        return self

    @classmethod
    def _wrap(cls, p, owner):
        """The Python object of `p` owned by `owner`: the one it has, else a new one."""
        kids = owner._kids
        if kids is not None:
            known = kids.get(p)
            if known is not None and known._p is not None:
                return known
        return cls.__new__(cls)._bind(p, owner)

    def _ptr(self):
        p = self._p
        if p is None:
            raise DeadObjectError(f"the library has destroyed this {type(self).__name__}")
        return p

    def _kill(self):
        """The library destroyed the object: this and what it owned are dead."""
        self._p = None
        kids, self._kids = self._kids, None
        if kids:
            for kid in list(kids.values()):
                kid._kill()

    def _kill_kids(self, keep, kind):
        """Kills the objects of class `kind` owned here whose pointer is not in `keep`."""
        if self._kids:
            for p, kid in list(self._kids.items()):
                if isinstance(kid, kind) and p not in keep:
                    kid._kill()

    @property
    def alive(self):
        """False once the library has destroyed the object."""
        return self._p is not None

    def __repr__(self):
        if self._p is None:
            return f"<zvk.{type(self).__name__} (destroyed)>"
        return f"<zvk.{type(self).__name__} {self._describe()}>"

    def _describe(self):
        return hex(int(ffi.cast("uintptr_t", self._p)))


class Owned(Handle):
    """A Handle that Python owns: the library's object is destroyed by
    close(), at the end of a with block, or when Python collects it."""

    __slots__ = ()
    _destroy = None  # the library function that destroys it

    def close(self):
        p = self._p
        if p is not None:
            self._kill()
            type(self)._destroy(p)
            raise_pending()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    def __del__(self):
        if _exiting:  # what is left at exit goes with the process
            return
        try:
            self.close()
        except Exception:  # a listener's error with nobody to raise it to
            pass


def prop(get, set=None, out=None, into=None, doc=None):
    """A property over a getter and a setter of the library."""

    def fget(self):
        p = self._p
        if p is None:
            self._ptr()
        v = get(p)
        return v if out is None else out(v)

    def fset(self, value):
        set(self._ptr(), value if into is None else into(value))
        if pending:
            raise_pending()

    return property(fget, fset if set is not None else None, doc=doc)


def text_prop(get, set=None, doc=None):
    """A property over a text fed into an adapter and its wide setter."""

    def fget(self):
        return read_text(get, self._ptr())

    def fset(self, value):
        set(self._ptr(), wide_in(value))
        if pending:
            raise_pending()

    return property(fget, fset if set is not None else None, doc=doc)


def flag(value):
    if not isinstance(value, (bool, int)):
        raise TypeError(f"a flag must be a bool, not {type(value).__name__}")
    return bool(value)


def expect(value, kind):
    """The live pointer of `value`, which must be a `kind`."""
    if not isinstance(value, kind):
        name = kind.__name__ if isinstance(kind, type) else " or ".join(k.__name__ for k in kind)
        raise TypeError(f"a zvk.{name} is wanted, not {type(value).__name__}")
    return value._ptr()


# --- Events ----------------------------------------------------------------

class Event(NamedTuple):
    """One event as a listener hears it.

    kind: "begin", "update", "end" or "generic". For an update, props maps
    each property id (or name) to its child properties in the same form ({}
    for a plain property), None standing for "changed as a whole" (an update
    without details, or a child list that changed as a whole). For a generic
    event, props is its id."""

    kind: str
    props: object = None

    def __str__(self):
        """The form of the C++ event recorder: B, E, U, U[1{2},3], G(id)."""
        if self.kind == "update":
            return "U" if self.props is None else f"U[{_format_props(self.props)}]"
        if self.kind == "generic":
            return f"G({self.props})"
        return {"begin": "B", "end": "E"}[self.kind]


def _format_props(props):
    out = []
    for key, child in props.items():
        out.append(f"{key}{{*}}" if child is None else f"{key}{{{_format_props(child)}}}" if child else f"{key}")
    return ",".join(out)


def trace(events):
    """Events in the C++ event recorder's form, e.g. "B U[1,3] E"."""
    return " ".join(str(e) for e in events)


def _key(any_p):
    if any_p == ffi.NULL:
        return None
    if any_p.type == lib.zv_any_integer:
        return any_p.value.i
    if any_p.type == lib.zv_any_string:
        return narrow_out(any_p.value.s)
    return None


def _props(plist):
    out = {}
    for i in range(sib.zv_update_event_prop_list_get_size(plist)):
        prop = sib.zv_update_event_prop_list_get(plist, i)
        child = {}
        if sib.zv_update_event_prop_is_aggregated(prop):
            sub = sib.zv_update_event_prop_get_child(prop)
            child = _props(sub) if sub != ffi.NULL else None
        out[_key(sib.zv_update_event_prop_get_key(prop))] = child
    return out


def decode(queue):
    """The events of one delivery."""
    events = []
    for i in range(sib.zv_event_queue_get_size(queue)):
        if sib.zv_event_queue_get_begin_update_event(queue, i) != ffi.NULL:
            events.append(Event("begin"))
        elif sib.zv_event_queue_get_end_update_event(queue, i) != ffi.NULL:
            events.append(Event("end"))
        elif (u := sib.zv_event_queue_get_update_event(queue, i)) != ffi.NULL:
            details = sib.zv_update_event_get_details(u)
            events.append(Event("update", _props(details) if details != ffi.NULL else None))
        elif (g := sib.zv_event_queue_get_generic_event(queue, i)) != ffi.NULL:
            events.append(Event("generic", _key(g.items) if g.count > 0 else None))
    return events


_subscriptions = set()  # alive while subscribed: the library holds their handles
# Listeners whose object the library has let go keep their handles: a
# removed member is destroyed only when its brackets close, and may still
# deliver until then.
_retired = []


@ffi.callback("Tzv_event_proc")
def _deliver(queue, data):
    # A listener that raises hears no more of this delivery, as a C++
    # listener that throws; the first error waits for the Python caller.
    try:
        sub = ffi.from_handle(data)
        if sub._p is None:
            return
        events = decode(queue)
        if sub._fn is None:
            sub.events.extend(events)
        else:
            for event in events:
                sub._fn(event)
    except BaseException as error:  # nothing may unwind into the library
        if not pending:
            pending.append(error)


class Subscription(Handle):
    """A listener on an object's update channel, until close() (or the end
    of a with block) or until the object is gone. Without a function the
    events are gathered in `events`."""

    __slots__ = ("_fn", "_data", "events")

    def __init__(self, owner, channel, fn):
        if fn is not None and not callable(fn):
            raise TypeError("a listener must be callable")
        self._bind(channel, owner, key=id(self))  # several listen on one channel
        self._fn = fn
        self.events = []
        self._data = ffi.new_handle(self)
        sib.zv_event_channel_add_client(channel, _deliver, self._data)
        _subscriptions.add(self)

    def take(self):
        """The events gathered so far in the recorder's form, and a fresh start."""
        out = trace(self.events)
        self.events.clear()
        return out

    def close(self):
        if self._p is not None:
            sib.zv_event_channel_del_client(self._p, _deliver, self._data)
            _subscriptions.discard(self)
            self._kill()

    def _kill(self):
        Handle._kill(self)
        if self in _subscriptions:
            _subscriptions.discard(self)
            _retired.append(self._data)

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()


class Bracket:
    """One update bracket of an object: begin on entering, end on leaving,
    also when the body raises."""

    __slots__ = ("_obj", "_begin", "_end")

    def __init__(self, obj, begin, end):
        self._obj, self._begin, self._end = obj, begin, end

    def __enter__(self):
        p = self._obj._ptr()
        self._begin(p)
        if pending:  # a listener refused the bracket's begin: it closes at once
            self._end(p)
            raise_pending()
        return self._obj

    def __exit__(self, kind, error, tb):
        p = self._obj._p
        if p is not None:
            self._end(p)
        if error is not None and pending:
            # The body's error came first and goes on; a listener's rides along.
            error.add_note(f"meanwhile a listener raised {pending.pop()!r}")
        raise_pending()
