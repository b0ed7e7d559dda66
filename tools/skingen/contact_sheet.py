"""Contact sheet of the skin images, plus previews of them as the skin uses them.

Every image is shown on a checkerboard (so alpha shows) with its name and
size under it; small images also appear magnified. The previews draw the
9-grid images stretched to their sizes on screen, with the same cell rules as
the framework's draw engine (nearest-pixel stretching of the middle cells), so
a corner that breaks when the middle stretches is visible here.
"""

from PIL import Image, ImageDraw, ImageFont

FONT = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"
BG = (0xF4, 0xF4, 0xF6, 255)
INK = (0x20, 0x22, 0x28, 255)


def checker(w, h, cell=6):
    img = Image.new("RGBA", (w, h), (0xB4, 0xB6, 0xBC, 255))
    d = ImageDraw.Draw(img)
    for y in range(0, h, cell):
        for x in range(0, w, cell):
            if (x // cell + y // cell) % 2:
                d.rectangle([x, y, x + cell - 1, y + cell - 1], fill=(0x8E, 0x90, 0x98, 255))
    return img


def nine_grid(img, w, h, corner, hole=False):
    """Draws img stretched to w x h keeping the corner cells unscaled."""
    l, t, r, b = corner
    sw, sh = img.size
    out = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    xs = [(0, l, 0, l), (l, w - r, l, sw - r), (w - r, w, sw - r, sw)]
    ys = [(0, t, 0, t), (t, h - b, t, sh - b), (h - b, h, sh - b, sh)]
    for j, (dy0, dy1, sy0, sy1) in enumerate(ys):
        for i, (dx0, dx1, sx0, sx1) in enumerate(xs):
            if hole and i == 1 and j == 1:
                continue
            if dx1 <= dx0 or dy1 <= dy0 or sx1 <= sx0 or sy1 <= sy0:
                continue
            cell = img.crop((sx0, sy0, sx1, sy1)).resize((dx1 - dx0, dy1 - dy0), Image.NEAREST)
            out.alpha_composite(cell, (dx0, dy0))
    return out


def tile(name, img, font):
    w, h = img.size
    mag = 1
    if max(w, h) <= 32:
        mag = 4
    elif max(w, h) <= 64:
        mag = 2
    shown = img if mag == 1 else img.resize((w * mag, h * mag), Image.NEAREST)
    if shown.size[0] > 360:
        f = 360 / shown.size[0]
        shown = shown.resize((360, max(1, int(shown.size[1] * f))), Image.BOX)
    pad = 8
    tw = max(shown.size[0] + (w + pad if mag > 1 else 0), 150) + 2 * pad
    th = shown.size[1] + 2 * pad + 34
    t = Image.new("RGBA", (tw, th), BG)
    cb = checker(shown.size[0], shown.size[1])
    cb.alpha_composite(shown)
    t.paste(cb, (pad, pad))
    if mag > 1:
        cb1 = checker(w, h, 3)
        cb1.alpha_composite(img)
        t.paste(cb1, (pad + shown.size[0] + pad, pad))
    d = ImageDraw.Draw(t)
    note = f"{w} x {h}" + (f"  (x{mag})" if mag > 1 else "") + ("  (shown scaled)" if shown.size[0] == 360 and w > 360 else "")
    d.text((pad, th - 32), name, font=font, fill=INK)
    d.text((pad, th - 16), note, font=font, fill=(0x60, 0x60, 0x68, 255))
    return t


def flow(tiles, width):
    x = y = 0
    row_h = 0
    placed = []
    for t in tiles:
        if x + t.size[0] > width and x > 0:
            x = 0
            y += row_h
            row_h = 0
        placed.append((t, x, y))
        x += t.size[0]
        row_h = max(row_h, t.size[1])
    return placed, y + row_h


def previews(imgs, font):
    """The images as the skin draws them, on the colours behind them."""
    p = Image.new("RGBA", (1240, 400), BG)
    d = ImageDraw.Draw(p)
    d.text((10, 6), "In use: 9-grids stretched to their on-screen sizes", font=font, fill=INK)

    # Caption bar on the dark frame.
    cap = Image.new("RGBA", (400, 40), (0x1D, 0x20, 0x2A, 255))
    cap.alpha_composite(nine_grid(imgs["opt_nav_selected.png"], 64, 2, (1, 1, 1, 1)), (4, 30))
    cap.alpha_composite(nine_grid(imgs["opt_nav_hot.png"], 64, 2, (1, 1, 1, 1)), (84, 30))
    for i, n in enumerate(["btn_min_normal.png", "btn_min_hover.png", "btn_close_normal.png", "btn_close_hover.png"]):
        cap.alpha_composite(imgs[n], (250 + i * 28, 10))
    cap.alpha_composite(imgs["scroll_thumb_normal.png"].resize((8, 8)), (380, 4))
    cap.alpha_composite(nine_grid(imgs["scroll_thumb_press.png"], 8, 30, (2, 2, 2, 2)), (390, 4))
    p.alpha_composite(cap, (10, 28))
    band = Image.new("RGBA", (215, 79), (0x1D, 0x20, 0x2A, 255))
    band.alpha_composite(imgs["logo.png"], (5, 5))
    p.alpha_composite(band, (420, 0))

    # Line rows on the red client area.
    red = Image.new("RGBA", (620, 250), (0xC8, 0x22, 0x27, 255))
    for i, n in enumerate(["icon_good.png", "icon_normal.png", "icon_bad.png"]):
        red.alpha_composite(imgs[n], (10 + i * 24, 8))
    for i, n in enumerate(["btn_refresh_normal.png", "btn_refresh_hover.png"]):
        red.alpha_composite(imgs[n], (100 + i * 64, 4))
    red.alpha_composite(imgs["btn_refresh_click.png"].resize((57, 22), Image.NEAREST), (228, 4))
    bars = [("progress_green.png", 330), ("progress_yellow.png", 220), ("progress_red.png", 90)]
    for i, (n, bw) in enumerate(bars):
        y = 40 + i * 30
        red.alpha_composite(nine_grid(imgs["progress_black.png"], 398, 16, (8, 6, 8, 6)), (10, y))
        red.alpha_composite(nine_grid(imgs[n], bw, 16, (8, 6, 48, 6)), (10, y))
        btn = ["btn_login_normal.png", "btn_login_hover.png", "btn_login_click.png"][i]
        red.alpha_composite(imgs[btn].resize((76, 22), Image.NEAREST), (438, y - 3))
    red.alpha_composite(imgs["btn_login_disable.png"].resize((76, 22), Image.NEAREST), (520, 37))
    red.alpha_composite(nine_grid(imgs["btn_app_bg.png"], 200, 32, (12, 12, 12, 12)), (10, 134))
    red.alpha_composite(nine_grid(imgs["btn_download_normal.png"], 200, 32, (12, 12, 12, 12)), (10, 172))
    red.alpha_composite(nine_grid(imgs["btn_download_hover.png"], 200, 32, (12, 12, 12, 12)), (10, 210))
    red.alpha_composite(imgs["img_app.png"].resize((98, 130), Image.NEAREST), (230, 110))
    red.alpha_composite(imgs["qrcode.jpg"].convert("RGBA").resize((87, 87)), (235, 132))
    red.alpha_composite(imgs["img_app.png"].resize((98, 130), Image.NEAREST), (340, 110))
    red.alpha_composite(imgs["img_bet.png"].resize((150, 100), Image.BOX), (450, 125))
    p.alpha_composite(red, (10, 82))

    # Message box buttons on its client colour.
    mb = Image.new("RGBA", (400, 40), (0x23, 0x1C, 0x2E, 255))
    for i, n in enumerate(["button_normal.png", "button_hover.png", "button_press.png"]):
        mb.alpha_composite(nine_grid(imgs[n], 82, 26, (12, 12, 12, 12)), (8 + i * 92, 7))
    mb.alpha_composite(nine_grid(imgs["button_normal.png"], 110, 34, (12, 12, 12, 12)), (285, 3))
    p.alpha_composite(mb, (10, 342))

    # The shadow around a 680 x 480 window, at half size.
    desk = Image.new("RGBA", (716 + 40, 520 + 40), (0xD9, 0xDE, 0xE6, 255))
    desk.alpha_composite(nine_grid(imgs["shadow.png"], 716, 520, (18, 17, 18, 23), hole=True), (20, 20))
    desk.alpha_composite(imgs["bg.png"], (38, 37))
    desk = desk.resize((desk.size[0] // 2, desk.size[1] // 2), Image.BOX)
    p.alpha_composite(desk, (650, 90))
    d.text((650, 90 + desk.size[1] + 4), "shadow.png as a 9-grid with hole around bg.png (half size)", font=font, fill=INK)
    return p


def write_sheet(imgs, path):
    font = ImageFont.truetype(FONT, 12)
    tiles = [tile(n, i, font) for n, i in imgs.items()]
    width = 1240
    placed, h = flow(tiles, width)
    prev = previews(imgs, font)
    sheet = Image.new("RGBA", (width, 40 + h + prev.size[1]), BG)
    d = ImageDraw.Draw(sheet)
    d.text((10, 12), f"Lumora skin: {len(imgs)} images", font=ImageFont.truetype(FONT, 16), fill=INK)
    for t, x, y in placed:
        sheet.paste(t, (x, 40 + y))
    sheet.paste(prev, (0, 40 + h))
    sheet.convert("RGB").save(path, "PNG", optimize=True)
