#!/usr/bin/python3
"""Generates the launcher skin's images and a contact sheet of them.

Run from anywhere:  /usr/bin/python3 tools/skingen/skingen.py
Writes every image into skin/ and the sheet into docs/skin-contact-sheet.png.
The images are committed, so the build never runs this script.

Shapes are drawn at four times the final size and box-filtered down, which
anti-aliases every edge. Images drawn as 9-grids keep their curves inside the
corner cells and stay uniform along the stretched middle.
"""

import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.abspath(os.path.join(os.path.dirname(__file__), "..", ".."))
SKIN = os.path.join(ROOT, "skin")
SHEET = os.path.join(ROOT, "docs", "skin-contact-sheet.png")

SS = 4  # supersampling factor

FONT_LATIN_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
FONT_LATIN = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"
FONT_CJK = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"

# The skin's own colours.
FRAME = (0x1D, 0x20, 0x2A)
CLIENT = (0xC8, 0x22, 0x27)
MSG_CLIENT = (0x23, 0x1C, 0x2E)
MUTED = (0xA7, 0xA4, 0xAB)
GOLD = (0xFF, 0xE4, 0x00)
WHITE = (255, 255, 255)


# --- drawing helpers ---------------------------------------------------------


class BlendDraw:
    """ImageDraw whose operations composite over the canvas.

    Plain ImageDraw on an RGBA image replaces pixels, so a translucent shape
    would punch a hole; here every operation goes through its own layer.
    """

    def __init__(self, img):
        self.img = img

    def __getattr__(self, name):
        def op(*args, **kwargs):
            layer = Image.new("RGBA", self.img.size, (0, 0, 0, 0))
            getattr(ImageDraw.Draw(layer), name)(*args, **kwargs)
            self.img.alpha_composite(layer)

        return op


def font(path, px):
    return ImageFont.truetype(path, int(round(px * SS)))


def big(w, h, fill=(0, 0, 0, 0)):
    """A supersampled canvas for a w x h image."""
    return Image.new("RGBA", (w * SS, h * SS), fill)


def down(img, w, h):
    """Box-filters a supersampled canvas to its final size (alpha-aware)."""
    return img.resize((w, h), Image.BOX)


def s(v):
    return int(round(v * SS))


def box(x0, y0, x1, y1):
    return [s(x0), s(y0), s(x1) - 1, s(y1) - 1]


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def vgradient(w, h, top, bottom):
    """A vertical gradient canvas (supersampled size w*SS x h*SS)."""
    g = Image.new("RGBA", (1, h * SS))
    for y in range(h * SS):
        c = mix(top, bottom, y / max(1, h * SS - 1))
        g.putpixel((0, y), c if len(c) == 4 else c + (255,))
    return g.resize((w * SS, h * SS), Image.NEAREST)


def rrect_mask(w, h, x0, y0, x1, y1, r):
    m = Image.new("L", (w * SS, h * SS), 0)
    ImageDraw.Draw(m).rounded_rectangle(box(x0, y0, x1, y1), radius=s(r), fill=255)
    return m


def paste_fill(canvas, fill_img, mask, opacity=1.0):
    """Composites fill_img through mask onto canvas (source over)."""
    layer = fill_img.copy()
    a = layer.getchannel("A")
    from PIL import ImageChops

    a = ImageChops.multiply(a, mask)
    if opacity < 1.0:
        a = a.point(lambda v: int(v * opacity))
    layer.putalpha(a)
    canvas.alpha_composite(layer)


def solid(w, h, rgba):
    c = rgba if len(rgba) == 4 else rgba + (255,)
    return Image.new("RGBA", (w * SS, h * SS), c)


def pill(canvas, w, h, x0, y0, x1, y1, r, top, bottom, border=None, gloss=0.0, gloss_end=None):
    """A rounded rectangle with a vertical gradient, optional border and gloss.

    The gloss covers the upper half, or ends at gloss_end: 9-grid images end
    it inside their top corner row so the stretched middle rows stay plain.
    """
    mask = rrect_mask(w, h, x0, y0, x1, y1, r)
    if border is not None:
        paste_fill(canvas, solid(w, h, border), mask)
        inner = rrect_mask(w, h, x0 + 1, y0 + 1, x1 - 1, y1 - 1, max(0, r - 1))
    else:
        inner = mask
    paste_fill(canvas, vgradient(w, h, top, bottom), inner)
    if gloss > 0:
        half = Image.new("L", canvas.size, 0)
        end = y0 + (y1 - y0) * 0.5 if gloss_end is None else gloss_end
        ImageDraw.Draw(half).rectangle(box(0, 0, w, end), fill=255)
        from PIL import ImageChops

        paste_fill(canvas, solid(w, h, (255, 255, 255, int(255 * gloss))), ImageChops.multiply(inner, half))


def text(canvas, cx, cy, msg, fnt, fill, stroke=0):
    """Draws msg centred on (cx, cy) in final-pixel coordinates."""
    d = BlendDraw(canvas)
    d.text((s(cx), s(cy)), msg, font=fnt, fill=fill, anchor="mm", stroke_width=stroke, stroke_fill=fill)


def circle(canvas, cx, cy, r, fill, width=0, outline=None):
    d = BlendDraw(canvas)
    d.ellipse([s(cx - r), s(cy - r), s(cx + r) - 1, s(cy + r) - 1], fill=fill, outline=outline, width=s(width) if width else 0)


def line(canvas, pts, fill, width):
    d = BlendDraw(canvas)
    d.line([(s(x), s(y)) for x, y in pts], fill=fill, width=s(width))
    for x, y in (pts[0], pts[-1]):  # round caps
        circle(canvas, x, y, width / 2, fill)


# --- title bar and system buttons ---------------------------------------------


def nav_underline(color):
    img = big(8, 8)
    BlendDraw(img).rounded_rectangle(box(0, 0, 8, 8), radius=s(1), fill=color + (255,))
    return down(img, 8, 8)


def sysbtn(kind, hover):
    img = big(16, 16)
    if hover:
        if kind == "close":
            circle(img, 8, 8, 8, (0xE8, 0x3A, 0x3F, 255))
        else:
            BlendDraw(img).rounded_rectangle(box(0, 0, 16, 16), radius=s(3), fill=(255, 255, 255, 46))
    color = WHITE + (255,) if hover else MUTED + (255,)
    if kind == "close":
        line(img, [(4.6, 4.6), (11.4, 11.4)], color, 1.5)
        line(img, [(11.4, 4.6), (4.6, 11.4)], color, 1.5)
    else:
        line(img, [(3.8, 8.5), (12.2, 8.5)], color, 1.5)
    return down(img, 16, 16)


# --- logo --------------------------------------------------------------------


def emblem(img, cx, cy, r):
    """The round badge of the logo: a red disc, a gold ring and a white mark."""
    circle(img, cx, cy + 1.2, r, (0, 0, 0, 90))  # soft drop
    disc = Image.new("L", img.size, 0)
    ImageDraw.Draw(disc).ellipse([s(cx - r), s(cy - r), s(cx + r), s(cy + r)], fill=255)
    grad = Image.new("RGBA", img.size)
    top, bottom = (0xF0, 0x4A, 0x4F), (0xA8, 0x14, 0x19)
    g = vgradient(1, img.size[1] // SS, top, bottom).resize(img.size)
    grad.paste(g)
    paste_fill(img, grad, disc)
    circle(img, cx, cy, r - 1.2, None, 1.6, GOLD + (255,))
    # A forward chevron over a track: the "fast line" mark.
    line(img, [(cx - r * 0.45, cy + r * 0.38), (cx + r * 0.5, cy + r * 0.38)], (255, 255, 255, 200), r * 0.14)
    f = font(FONT_LATIN_BOLD, r * 1.25)
    text(img, cx - r * 0.04, cy - r * 0.1, "L", f, WHITE + (255,))
    circle(img, cx + r * 0.44, cy - r * 0.42, r * 0.11, GOLD + (255,))


def logo():
    w, h = 205, 69
    img = big(w, h)
    emblem(img, 30, 33, 25)
    ftitle = font(FONT_LATIN_BOLD, 33)
    d = BlendDraw(img)
    d.text((s(63), s(29)), "Lumora", font=ftitle, fill=WHITE + (255,), anchor="ls")
    fsub = font(FONT_CJK, 12.5)
    d.text((s(65), s(50)), "极速线路 · 一键直达", font=fsub, fill=MUTED + (255,), anchor="ls")
    d.rectangle(box(64, 56, 202, 57), fill=(0xC8, 0x22, 0x27, 200))
    d.rectangle(box(64, 56, 96, 57), fill=GOLD + (255,))
    return down(img, w, h)


# --- first page ---------------------------------------------------------------


def legend_icon(color):
    """A glossy dot with a light ring, so even the red one reads on the red page."""
    img = big(15, 15)
    circle(img, 7.5, 7.5, 7.4, (255, 255, 255, 235))
    circle(img, 7.5, 7.5, 6.1, mix(color, (0, 0, 0), 0.3) + (255,))
    circle(img, 7.5, 7.5, 5.3, color + (255,))
    circle(img, 5.9, 5.7, 2.2, (255, 255, 255, 130))
    return down(img, 15, 15)


def refresh_icon(img, cx, cy, r, color):
    d = BlendDraw(img)
    bb = [s(cx - r), s(cy - r), s(cx + r), s(cy + r)]
    d.arc(bb, start=40, end=330, fill=color, width=s(1.5))
    # Arrow head at the arc's open end (pointing clockwise).
    import math

    a = math.radians(330)
    ex, ey = cx + r * math.cos(a), cy + r * math.sin(a)
    d.polygon([(s(ex + 2.6), s(ey - 0.2)), (s(ex - 0.9), s(ey - 3.0)), (s(ex - 0.3), s(ey + 1.6))], fill=color)


def refresh_button(state):
    w, h = 57, 22
    img = big(w, h)
    fills = {"normal": (255, 255, 255, 40), "hover": (255, 255, 255, 84), "click": (0, 0, 0, 52)}
    borders = {"normal": (255, 255, 255, 150), "hover": (255, 255, 255, 235), "click": (255, 255, 255, 120)}
    mask = rrect_mask(w, h, 0.5, 0.5, w - 0.5, h - 0.5, 10.5)
    paste_fill(img, solid(w, h, borders[state]), mask)
    inner = rrect_mask(w, h, 1.5, 1.5, w - 1.5, h - 1.5, 9.5)
    clear = Image.new("RGBA", img.size, (0, 0, 0, 0))
    img.paste(clear, (0, 0), inner)
    paste_fill(img, solid(w, h, fills[state]), inner)
    dy = 0.6 if state == "click" else 0
    refresh_icon(img, 15, 11 + dy, 4.6, WHITE + (255,))
    text(img, 36, 11 + dy, "刷新", font(FONT_CJK, 12), WHITE + (255,))
    out = down(img, w, h)
    if state == "click":
        # The pushed image is smaller on disk; the control stretches it back.
        out = img.resize((55, 20), Image.BOX)
    return out


def progress_track():
    w, h = 393, 17
    img = big(w, h)
    pill(img, w, h, 0, 0, w, h, 8, (0x3E, 0x06, 0x09, 235), (0x5C, 0x0D, 0x10, 235))
    # A hairline of light on the lower edge makes the groove look inset.
    edge = rrect_mask(w, h, 0, 0, w, h, 8)
    lower = rrect_mask(w, h, 0, -1, w, h - 1, 8)
    from PIL import ImageChops

    paste_fill(img, solid(w, h, (255, 255, 255, 40)), ImageChops.subtract(edge, lower))
    return down(img, w, h)


def progress_bar(w, light, dark):
    h = 17
    img = big(w, h)
    pill(img, w, h, 1, 1, w - 1, h - 1, 7.5, light + (255,), dark + (255,))
    # Gloss on the upper half, inset so the ends stay round.
    gl = rrect_mask(w, h, 3, 2, w - 3, 8, 3)
    paste_fill(img, solid(w, h, (255, 255, 255, 70)), gl)
    # The right 48 pixels are drawn unscaled: a bright head that fades in.
    head = Image.new("L", img.size, 0)
    hd = ImageDraw.Draw(head)
    for x in range(s(w - 40), s(w - 1)):
        t = (x - s(w - 40)) / (s(39))
        hd.line([(x, 0), (x, img.size[1])], fill=int(150 * t * t))
    from PIL import ImageChops

    body = rrect_mask(w, h, 1, 1, w - 1, h - 1, 7.5)
    paste_fill(img, solid(w, h, (255, 255, 255, 255)), ImageChops.multiply(head, body), 0.55)
    circle(img, w - 9, 8.5, 3.2, (255, 255, 255, 150))
    return down(img, w, h)


def login_design(state):
    """The row button at its drawn size (76 x 22), supersampled."""
    w, h = 76, 22
    img = big(w, h)
    palettes = {
        "normal": ((0xFF, 0xE8, 0x6E), (0xF7, 0xB5, 0x00), (0x8A, 0x11, 0x14)),
        "hover": ((0xFF, 0xF3, 0xA6), (0xFF, 0xC8, 0x22), (0x8A, 0x11, 0x14)),
        "click": ((0xE6, 0xAE, 0x00), (0xF2, 0xC6, 0x3A), (0x7A, 0x0E, 0x11)),
        "disable": ((0xC4, 0xC1, 0xC6), (0x9E, 0x9B, 0xA2), (0x66, 0x63, 0x6A)),
    }
    top, bottom, ink = palettes[state]
    border = mix(bottom, (0x70, 0x30, 0x00), 0.45) if state != "disable" else (0x88, 0x85, 0x8C)
    pill(img, w, h, 0, 0, w, h, 4, top + (255,), bottom + (255,), border=border + (255,), gloss=0.22 if state in ("normal", "hover") else 0)
    dy = 0.7 if state == "click" else 0
    text(img, 38, 11 + dy, "立即登录", font(FONT_CJK, 12.5), ink + (255,), stroke=1)
    return img


def login_button(state, size):
    return login_design(state).resize(size, Image.BOX)


def scroll_thumb(alpha):
    img = big(6, 8)
    BlendDraw(img).rounded_rectangle(box(0, 0, 6, 8), radius=s(2), fill=(255, 255, 255, alpha))
    return down(img, 6, 8)


# --- second page ----------------------------------------------------------------


def phone_frame():
    w, h = 99, 130
    img = big(w, h)
    pill(img, w, h, 0.5, 0.5, w - 0.5, h - 0.5, 14, (0x6A, 0x70, 0x80, 255), (0x3A, 0x3E, 0x4A, 255))
    pill(img, w, h, 2, 2, w - 2, h - 2, 12.5, (0x2C, 0x30, 0x3B, 255), (0x1B, 0x1D, 0x24, 255))
    # Screen: the QR button (87 x 87) sits on it, 22 pixels below its top.
    pill(img, w, h, 5, 15, w - 5, 116, 3, (0x10, 0x12, 0x18, 255), (0x1E, 0x22, 0x2C, 255))
    d = BlendDraw(img)
    d.rounded_rectangle(box(38, 7, 61, 9.6), radius=s(1.3), fill=(0x0C, 0x0D, 0x11, 255))
    circle(img, 67, 8.3, 1.5, (0x0C, 0x0D, 0x11, 255))
    circle(img, 49.5, 123, 4.2, None, 1, (0x6A, 0x70, 0x80, 255))
    # A faint reflection across the screen.
    glare = Image.new("L", img.size, 0)
    ImageDraw.Draw(glare).polygon([(s(5), s(15)), (s(60), s(15)), (s(5), s(70))], fill=255)
    paste_fill(img, solid(w, h, (255, 255, 255, 14)), glare)
    return down(img, w, h)


def lottery_ball(img, cx, cy, r, color, num, fnt):
    circle(img, cx, cy + 0.8, r, (0, 0, 0, 70))
    circle(img, cx, cy, r, color + (255,))
    circle(img, cx - r * 0.32, cy - r * 0.35, r * 0.42, (255, 255, 255, 70))
    circle(img, cx, cy, r * 0.58, (255, 255, 255, 235))
    text(img, cx, cy + 0.2, num, fnt, mix(color, (0, 0, 0), 0.2) + (255,))


def monitor(w, h, screen_top, screen_bottom):
    img = big(w, h)
    bx0, by0, bx1, by1 = 10, 4, w - 10, h - 26
    # Stand: neck and foot.
    d = BlendDraw(img)
    d.polygon([(s(w / 2 - 12), s(by1 - 2)), (s(w / 2 + 12), s(by1 - 2)), (s(w / 2 + 16), s(h - 9)), (s(w / 2 - 16), s(h - 9))], fill=(0x8E, 0x93, 0xA0, 255))
    pill(img, w, h, w / 2 - 40, h - 11, w / 2 + 40, h - 4, 3.5, (0xB8, 0xBD, 0xC8, 255), (0x7C, 0x81, 0x8E, 255))
    pill(img, w, h, bx0, by0, bx1, by1, 6, (0x3A, 0x3F, 0x4C, 255), (0x22, 0x25, 0x2E, 255))
    pill(img, w, h, bx0 + 5, by0 + 5, bx1 - 5, by1 - 6, 2, screen_top + (255,), screen_bottom + (255,))
    circle(img, w / 2, by1 - 3, 1.2, (0x7C, 0x81, 0x8E, 255))
    return img, (bx0 + 5, by0 + 5, bx1 - 5, by1 - 6)


def bet_picture():
    w, h = 194, 122
    img, (x0, y0, x1, y1) = monitor(w, h, (0x3B, 0x1A, 0x6E), (0x12, 0x2A, 0x5C))
    d = BlendDraw(img)
    # A result chart in the background.
    pts = [(x0 + 8, y1 - 14), (x0 + 34, y1 - 26), (x0 + 58, y1 - 20), (x0 + 84, y1 - 40), (x0 + 110, y1 - 33), (x0 + 136, y1 - 52), (x1 - 8, y1 - 46)]
    d.line([(s(x), s(y)) for x, y in pts], fill=(0x5E, 0xE0, 0xA0, 200), width=s(1.6), joint="curve")
    for i in range(4):
        yy = y0 + 14 + i * 16
        d.line([(s(x0 + 6), s(yy)), (s(x1 - 6), s(yy))], fill=(255, 255, 255, 22), width=s(0.6))
    fnum = font(FONT_LATIN_BOLD, 8.5)
    balls = [((0xE8, 0x3A, 0x3F), "07"), ((0xF5, 0xB7, 0x00), "18"), ((0x2E, 0xB8, 0x5C), "23"), ((0x2F, 0x80, 0xED), "31"), ((0xE8, 0x3A, 0x3F), "09")]
    cx0 = (x0 + x1) / 2 - 2 * 28
    for i, (c, n) in enumerate(balls):
        lottery_ball(img, cx0 + i * 28, y0 + 24, 11, c, n, fnum)
    text(img, (x0 + x1) / 2, y1 - 9, "AUTO  ▶  ON", font(FONT_LATIN_BOLD, 8), GOLD + (230,))
    return down(img, w, h)


def laptop_picture():
    w, h = 194, 122
    img = big(w, h)
    x0, y0, x1, y1 = 28, 6, w - 28, h - 22
    pill(img, w, h, x0, y0, x1, y1, 6, (0x3A, 0x3F, 0x4C, 255), (0x22, 0x25, 0x2E, 255))
    pill(img, w, h, x0 + 5, y0 + 5, x1 - 5, y1 - 4, 2, (0xC8, 0x22, 0x27, 255), (0x6E, 0x0E, 0x12, 255))
    d = BlendDraw(img)
    d.polygon([(s(8), s(h - 12)), (s(w - 8), s(h - 12)), (s(w - 2), s(h - 5)), (s(2), s(h - 5))], fill=(0xB8, 0xBD, 0xC8, 255))
    d.rectangle(box(x0 - 8, y1, x1 + 8, h - 12), fill=(0x9A, 0x9F, 0xAC, 255))
    d.rounded_rectangle(box(w / 2 - 14, h - 12, w / 2 + 14, h - 9), radius=s(1.2), fill=(0x7C, 0x81, 0x8E, 255))
    emblem(img, w / 2 - 30, (y0 + y1) / 2, 16)
    d.text((s(w / 2 - 10), s((y0 + y1) / 2 + 6)), "Lumora", font=font(FONT_LATIN_BOLD, 15), fill=WHITE + (255,), anchor="ls")
    return down(img, w, h)


def band(w, h):
    img = big(w, h)
    pill(img, w, h, 0, 0, w, h, 12, (0x8E, 0x12, 0x16, 255), (0x6C, 0x0C, 0x10, 255), border=(0xFF, 0xD2, 0x4A, 220))
    return down(img, w, h)


def orange_button(w, h, state):
    img = big(w, h)
    pal = {
        "normal": ((0xFF, 0xB3, 0x3A), (0xEE, 0x7E, 0x00), 0.18),
        "hover": ((0xFF, 0xCA, 0x62), (0xFF, 0x98, 0x14), 0.24),
    }
    top, bottom, gloss = pal[state]
    pill(img, w, h, 0, 0, w, h, 12, top + (255,), bottom + (255,), border=mix(bottom, (0x80, 0x30, 0x00), 0.4) + (255,), gloss=gloss, gloss_end=11)
    return down(img, w, h)


def box_button(w, h, state):
    img = big(w, h)
    pal = {
        "normal": ((0xDC, 0x38, 0x3E), (0xB4, 0x1C, 0x21), 0.14),
        "hover": ((0xF2, 0x52, 0x58), (0xD0, 0x2A, 0x30), 0.18),
        "press": ((0x92, 0x14, 0x18), (0xAE, 0x1E, 0x23), 0.0),
        "disable": ((0x5A, 0x56, 0x62), (0x48, 0x45, 0x50), 0.0),
    }
    top, bottom, gloss = pal[state]
    border = mix(bottom, (0, 0, 0), 0.35) + (255,)
    pill(img, w, h, 0, 0, w, h, min(12, h / 2 - 1), top + (255,), bottom + (255,), border=border, gloss=gloss, gloss_end=11)
    return down(img, w, h)


def client_button(kind, state):
    """Unreferenced extra client buttons: icon and label on a coloured pill."""
    w, h = 104, 28
    base = {"ios": ((0x4A, 0x4F, 0x5E), (0x2A, 0x2D, 0x38)), "android": ((0x4C, 0xC7, 0x6A), (0x22, 0x9A, 0x44)), "pc": ((0x4A, 0x9B, 0xF5), (0x1E, 0x6A, 0xD2))}[kind]
    top, bottom = base
    if state == "hover":
        top, bottom = mix(top, WHITE, 0.18), mix(bottom, WHITE, 0.18)
    elif state == "click":
        top, bottom = mix(bottom, (0, 0, 0), 0.15), mix(top, (0, 0, 0), 0.15)
    img = big(w, h)
    pill(img, w, h, 0, 0, w, h, 12, top + (255,), bottom + (255,), border=mix(bottom, (0, 0, 0), 0.3) + (255,), gloss=0 if state == "click" else 0.15)
    d = BlendDraw(img)
    dy = 0.6 if state == "click" else 0
    if kind == "pc":
        d.rounded_rectangle(box(14, 8 + dy, 30, 18 + dy), radius=s(1.5), outline=WHITE + (255,), width=s(1.4))
        d.rectangle(box(19, 19 + dy, 25, 20.4 + dy), fill=WHITE + (255,))
    else:
        d.rounded_rectangle(box(17, 6.5 + dy, 27, 21.5 + dy), radius=s(2), outline=WHITE + (255,), width=s(1.4))
        circle(img, 22, 19 + dy, 0.9, WHITE + (255,))
    label = {"ios": "苹果版下载", "android": "安卓版下载", "pc": "电脑版下载"}[kind]
    text(img, 64, 14 + dy, label, font(FONT_CJK, 12.5), WHITE + (255,))
    return down(img, w, h)


# --- unreferenced pictures ---------------------------------------------------------


def framed_art(w, h, top, bottom):
    img = big(w, h)
    pill(img, w, h, 0, 0, w, h, 8, top + (255,), bottom + (255,))
    return img


def art_balls(w, h):
    img = framed_art(w, h, (0x5A, 0x1E, 0x8C), (0x1E, 0x1A, 0x4A))
    fnum = font(FONT_LATIN_BOLD, 10)
    spots = [(38, 46, 18, (0xE8, 0x3A, 0x3F), "08"), (76, 36, 20, (0xF5, 0xB7, 0x00), "16"), (113, 52, 17, (0x2E, 0xB8, 0x5C), "27"), (60, 74, 13, (0x2F, 0x80, 0xED), "33"), (96, 78, 12, (0xE8, 0x3A, 0x3F), "05")]
    for x, y, r, c, n in spots:
        lottery_ball(img, x, y * h / 100, r, c, n, fnum)
    return down(img, w, h)


def art_cards(w, h):
    img = framed_art(w, h, (0x0E, 0x6B, 0x3A), (0x07, 0x3A, 0x22))
    f = font(FONT_LATIN_BOLD, 15)
    for i, (dx, rot, suit, col) in enumerate([(-26, 14, "A", (0xC8, 0x22, 0x27)), (0, 0, "K", (0x22, 0x22, 0x22)), (26, -14, "Q", (0xC8, 0x22, 0x27))]):
        card = Image.new("RGBA", (s(40), s(56)), (0, 0, 0, 0))
        cd = ImageDraw.Draw(card)
        cd.rounded_rectangle([0, 0, s(40) - 1, s(56) - 1], radius=s(4), fill=(255, 255, 255, 255), outline=(0xBB, 0xBB, 0xBB, 255), width=s(0.8))
        cd.text((s(20), s(28)), suit, font=f, fill=col + (255,), anchor="mm")
        card = card.rotate(rot, resample=Image.BICUBIC, expand=True)
        img.alpha_composite(card, (s(w / 2 + dx) - card.size[0] // 2, s(h / 2) - card.size[1] // 2))
    return down(img, w, h)


def art_trophy(w, h):
    img = framed_art(w, h, (0x8C, 0x14, 0x18), (0x3A, 0x08, 0x0B))
    d = BlendDraw(img)
    cx = w / 2
    d.pieslice([s(cx - 22), s(10), s(cx + 22), s(58)], 0, 180, fill=GOLD + (255,))
    d.rectangle(box(cx - 22, 14, cx + 22, 34), fill=GOLD + (255,))
    d.arc([s(cx - 34), s(16), s(cx - 14), s(40)], 90, 270, fill=GOLD + (255,), width=s(3))
    d.arc([s(cx + 14), s(16), s(cx + 34), s(40)], 270, 90, fill=GOLD + (255,), width=s(3))
    d.rectangle(box(cx - 4, 56, cx + 4, 70), fill=(0xE0, 0xB0, 0x00, 255))
    d.rounded_rectangle(box(cx - 18, 70, cx + 18, 80), radius=s(2), fill=(0xE0, 0xB0, 0x00, 255))
    text(img, cx, 30, "1", font(FONT_LATIN_BOLD, 18), (0xC8, 0x22, 0x27, 255))
    for x, y in [(24, 80), (126, 76), (30, 22), (122, 20)]:
        circle(img, x, y * h / 101, 5, (0xFF, 0xD2, 0x4A, 255), 1, (0xB0, 0x80, 0x00, 255))
    return down(img, w, h)


def background():
    w, h = 680, 480
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(img).rounded_rectangle([0, 0, w - 1, h - 1], radius=4, fill=FRAME + (255,))
    glow = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    ImageDraw.Draw(glow).ellipse([w / 2 - 220, -120, w / 2 + 220, 170], fill=(0xC8, 0x22, 0x27, 70))
    img.alpha_composite(glow.filter(ImageFilter.GaussianBlur(40)))
    client = Image.new("L", (w, h), 0)
    ImageDraw.Draw(client).rounded_rectangle([16, 140, w - 17, h - 49], radius=8, fill=255)
    paste_fill_1x(img, Image.new("RGBA", (w, h), CLIENT + (255,)), client)
    # Faint diagonal light streaks across the client area only.
    streaks = Image.new("L", (w, h), 0)
    sd = ImageDraw.Draw(streaks)
    for i in range(0, w + h, 46):
        sd.line([(16 + i, 140), (16 + i - 300, 440)], fill=255, width=14)
    from PIL import ImageChops

    paste_fill_1x(img, Image.new("RGBA", (w, h), (255, 255, 255, 12)), ImageChops.multiply(streaks, client))
    return img


def paste_fill_1x(canvas, fill_img, mask):
    from PIL import ImageChops

    layer = fill_img.copy()
    layer.putalpha(ImageChops.multiply(layer.getchannel("A"), mask))
    canvas.alpha_composite(layer)


def qr_matrix(n, seed):
    rnd = random.Random(seed)
    m = [[rnd.random() < 0.48 for _ in range(n)] for _ in range(n)]

    def finder(r0, c0):
        for r in range(-1, 8):
            for c in range(-1, 8):
                rr, cc = r0 + r, c0 + c
                if 0 <= rr < n and 0 <= cc < n:
                    ring = max(abs(r - 3), abs(c - 3))
                    m[rr][cc] = ring in (0, 1, 3) if 0 <= r < 7 and 0 <= c < 7 else False

    finder(0, 0)
    finder(0, n - 7)
    finder(n - 7, 0)
    for i in range(8, n - 8):
        m[6][i] = m[i][6] = i % 2 == 0
    for r in range(-2, 3):  # alignment pattern
        for c in range(-2, 3):
            m[n - 7 + r][n - 7 + c] = max(abs(r), abs(c)) != 1
    return m


def qr_image(size, seed, badge):
    n = 25
    mod = size // (n + 2)
    off = (size - mod * n) // 2
    img = Image.new("RGBA", (size, size), (255, 255, 255, 255))
    d = ImageDraw.Draw(img)
    m = qr_matrix(n, seed)
    for r in range(n):
        for c in range(n):
            if m[r][c]:
                d.rectangle([off + c * mod, off + r * mod, off + (c + 1) * mod - 1, off + (r + 1) * mod - 1], fill=(0x11, 0x11, 0x11, 255))
    if badge:
        b = mod * 5
        x0 = (size - b) // 2
        d.rectangle([x0 - mod // 2, x0 - mod // 2, x0 + b + mod // 2, x0 + b + mod // 2], fill=(255, 255, 255, 255))
        small = big(b, b)
        emblem(small, b / 2, b / 2, b / 2 - 1)
        img.alpha_composite(down(small, b, b), (x0, x0))
    return img


# --- shadow ---------------------------------------------------------------------


def shadow():
    """Nine-grid shadow: corners 18,17,18,23 are the margins around the window.

    Alpha depends only on the distance from the window's rectangle, scaled
    per side, so the edge cells are uniform along their length and all the
    curvature lives in the corner cells.
    """
    w, h = 236, 240
    left, top, right, bottom = 18, 17, 18, 23
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    px = img.load()
    for y in range(h):
        cy = y + 0.5
        dy = (top - cy) / top if cy < top else (cy - (h - bottom)) / bottom if cy > h - bottom else 0.0
        for x in range(w):
            cx = x + 0.5
            dx = (left - cx) / left if cx < left else (cx - (w - right)) / right if cx > w - right else 0.0
            if dx == 0 and dy == 0:
                continue  # the window itself: never drawn (the grid's hole)
            t = min(1.0, (dx * dx + dy * dy) ** 0.5)
            a = 0.55 * (1 - t) ** 1.9
            px[x, y] = (0, 0, 0, int(round(255 * a)))
    return img


# --- the image table -------------------------------------------------------------

GREEN = ((0x7C, 0xF0, 0x8E), (0x1E, 0xA8, 0x4A))
YELLOW = ((0xFF, 0xE8, 0x6E), (0xE8, 0xA8, 0x00))
REDBAR = ((0xFF, 0x8A, 0x6E), (0xE0, 0x3A, 0x1E))


def build():
    imgs = {}
    imgs["shadow.png"] = shadow()
    imgs["logo.png"] = logo()
    imgs["opt_nav_hot.png"] = nav_underline((0x6E, 0x6B, 0x78))
    imgs["opt_nav_selected.png"] = nav_underline((0xE8, 0x3A, 0x3F))
    for kind in ("min", "close"):
        imgs[f"btn_{kind}_normal.png"] = sysbtn(kind, False)
        imgs[f"btn_{kind}_hover.png"] = sysbtn(kind, True)
    imgs["icon_good.png"] = legend_icon((0x3B, 0xD1, 0x6F))
    imgs["icon_normal.png"] = legend_icon((0xF5, 0xC5, 0x18))
    imgs["icon_bad.png"] = legend_icon((0xF0, 0x4B, 0x3A))
    imgs["btn_refresh_normal.png"] = refresh_button("normal")
    imgs["btn_refresh_hover.png"] = refresh_button("hover")
    imgs["btn_refresh_click.png"] = refresh_button("click")
    imgs["progress_black.png"] = progress_track()
    imgs["progress_green.png"] = progress_bar(259, *GREEN)
    imgs["progress_yellow.png"] = progress_bar(213, *YELLOW)
    imgs["progress_red.png"] = progress_bar(151, *REDBAR)
    imgs["btn_login_normal.png"] = login_button("normal", (76, 22))
    imgs["btn_login_hover.png"] = login_button("hover", (76, 22))
    imgs["btn_login_click.png"] = login_button("click", (104, 48))
    imgs["btn_login_disable.png"] = login_button("disable", (104, 48))
    imgs["scroll_thumb_normal.png"] = scroll_thumb(96)
    imgs["scroll_thumb_hover.png"] = scroll_thumb(150)
    imgs["scroll_thumb_press.png"] = scroll_thumb(205)
    imgs["img_app.png"] = phone_frame()
    imgs["img_bet.png"] = bet_picture()
    imgs["btn_app_bg.png"] = band(185, 26)
    imgs["btn_download_normal.png"] = orange_button(186, 26, "normal")
    imgs["btn_download_hover.png"] = orange_button(186, 26, "hover")
    imgs["button_normal.png"] = box_button(82, 26, "normal")
    imgs["button_hover.png"] = box_button(82, 26, "hover")
    imgs["button_press.png"] = box_button(82, 26, "press")
    imgs["button_disable.png"] = box_button(104, 28, "disable")
    imgs["bg.png"] = background()
    imgs["img1.png"] = art_balls(150, 100)
    imgs["img2.png"] = art_cards(150, 86)
    imgs["img3.png"] = art_trophy(150, 101)
    imgs["img_pc.png"] = laptop_picture()
    imgs["qrcode.png"] = qr_image(280, 11, True)
    imgs["qr-code-phoneguaji.png"] = qr_image(300, 23, True)
    imgs["qrcode.jpg"] = qr_image(86, 11, False)
    imgs["qr-code-phoneguaji.jpg"] = qr_image(86, 23, False)
    for kind in ("ios", "android", "pc"):
        for state in ("normal", "hover", "click"):
            imgs[f"btn_{kind}_{state}.png"] = client_button(kind, state)
    return imgs


def save(imgs):
    for name, img in imgs.items():
        path = os.path.join(SKIN, name)
        if name.endswith(".jpg"):
            img.convert("RGB").save(path, "JPEG", quality=92)
        else:
            img.save(path, "PNG", optimize=True)


if __name__ == "__main__":
    sys.path.insert(0, os.path.dirname(__file__))
    from contact_sheet import write_sheet

    images = build()
    save(images)
    write_sheet(images, SHEET)
    print(f"{len(images)} images written to {SKIN}; sheet {SHEET}")
