#!/usr/bin/python3
"""Draw the Vexorin logo: a hooded, robed figure standing in a torch-lit temple.

The picture (stone columns, a glowing arched doorway, two wall torches, a
tiled floor and a hooded figure holding a staff) is drawn procedurally with
Pillow at 4x size and scaled down for smooth edges.  No input files or fonts
are used and the output is the same on every run.

    /usr/bin/python3 draw_logo.py [OUTPUT.jpg]

Writes a 123x183 RGB baseline JPEG, by default "Quenra copy.jpg" next to
this script.  Needs Pillow (Debian: python3-pil).
"""
import os
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter

W, H = 123, 183
S = 4                      # supersampling factor
SW, SH = W * S, H * S


def p(*xy):
    """Scale final-size coordinates to the supersampled canvas."""
    return [round(v * S) for v in xy]


def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def vgradient(draw, box, top, bottom):
    x0, y0, x1, y1 = box
    for y in range(y0, y1):
        draw.line([(x0, y), (x1, y)], fill=lerp(top, bottom, (y - y0) / max(1, y1 - y0 - 1)))


def column(draw, x0, x1, top, bottom):
    """Fluted stone column with capital and base."""
    stone_l, stone_d = (196, 170, 134), (92, 72, 58)
    w = x1 - x0
    for i in range(round(w * S)):
        t = i / (w * S)                            # lit from the left of centre
        shade = lerp(stone_d, stone_l, max(0.0, 1 - abs(t - 0.35) * 1.6))
        if (i // S) % 3 == 2:                      # flutes
            shade = lerp(shade, stone_d, 0.35)
        x = x0 * S + i
        draw.line([(x, top * S), (x, bottom * S)], fill=shade)
    draw.rectangle(p(x0 - 3, top - 7, x1 + 3, top), fill=(170, 144, 110))
    draw.rectangle(p(x0 - 5, top - 11, x1 + 5, top - 7), fill=(190, 164, 126))
    draw.rectangle(p(x0 - 3, bottom, x1 + 3, bottom + 5), fill=(160, 134, 102))
    draw.rectangle(p(x0 - 5, bottom + 5, x1 + 5, bottom + 9), fill=(128, 104, 80))


def torch(draw, x, y):
    draw.polygon(p(x - 3, y, x + 3, y, x + 1.5, y + 10, x - 1.5, y + 10), fill=(70, 46, 30))
    draw.rectangle(p(x - 4, y - 1, x + 4, y + 1), fill=(110, 80, 50))
    draw.ellipse(p(x - 4, y - 9, x + 4, y + 1), fill=(240, 120, 30))
    draw.polygon(p(x - 4, y - 4, x, y - 15, x + 4, y - 4), fill=(240, 120, 30))
    draw.ellipse(p(x - 2.5, y - 6, x + 2.5, y), fill=(255, 200, 70))
    draw.polygon(p(x - 2.5, y - 3, x, y - 10, x + 2.5, y - 3), fill=(255, 200, 70))
    draw.ellipse(p(x - 1.2, y - 4, x + 1.2, y - 0.5), fill=(255, 250, 210))


def figure(draw, cx, base):
    """Hooded figure in a deep crimson robe holding a staff."""
    robe, robe_d, robe_l = (128, 26, 34), (70, 12, 22), (176, 52, 48)
    top = base - 86
    # staff behind the right hand
    draw.rectangle(p(cx + 17, top + 6, cx + 19.5, base), fill=(96, 62, 34))
    # robe body: wide hem, narrow shoulders
    draw.polygon(p(cx - 13, top + 22, cx + 13, top + 22, cx + 24, base,
                   cx - 24, base), fill=robe)
    draw.polygon(p(cx - 13, top + 22, cx - 4, top + 22, cx - 10, base,
                   cx - 24, base), fill=robe_d)
    draw.polygon(p(cx + 5, top + 26, cx + 9, top + 26, cx + 17, base,
                   cx + 12, base), fill=robe_l)
    # gold trim down the front and along the hem
    draw.line(p(cx, top + 28, cx, base), fill=(222, 176, 74), width=S * 2)
    draw.rectangle(p(cx - 24, base - 3, cx + 24, base), fill=(200, 150, 60))
    # sleeves meeting the staff
    draw.polygon(p(cx - 13, top + 24, cx - 18, top + 52, cx - 8, top + 56,
                   cx - 4, top + 30), fill=robe_d)
    draw.polygon(p(cx + 12, top + 24, cx + 20, top + 42, cx + 15, top + 48,
                   cx + 6, top + 32), fill=robe_l)
    draw.ellipse(p(cx + 15, top + 38, cx + 21.5, top + 45), fill=(214, 168, 128))
    # hood and shadowed face
    draw.ellipse(p(cx - 14, top + 2, cx + 14, top + 32), fill=robe)
    draw.polygon(p(cx - 9, top + 4, cx, top - 3, cx + 9, top + 4), fill=robe)
    draw.ellipse(p(cx - 8, top + 9, cx + 8, top + 29), fill=(30, 14, 18))
    draw.ellipse(p(cx - 5.5, top + 14, cx + 5.5, top + 28), fill=(120, 82, 62))
    draw.chord(p(cx - 6, top + 11, cx + 6, top + 21), 180, 360, fill=(30, 14, 18))
    draw.ellipse(p(cx - 4, top + 17, cx - 1.5, top + 19.5), fill=(30, 14, 18))
    draw.ellipse(p(cx + 1.5, top + 17, cx + 4, top + 19.5), fill=(30, 14, 18))
    # staff head: a small glowing crystal
    draw.polygon(p(cx + 18.2, top - 4, cx + 22, top + 3, cx + 18.2, top + 10,
                   cx + 14.4, top + 3), fill=(150, 230, 255))
    draw.polygon(p(cx + 18.2, top - 1, cx + 20, top + 3, cx + 18.2, top + 6,
                   cx + 16.4, top + 3), fill=(235, 252, 255))


def draw_logo():
    img = Image.new("RGB", (SW, SH))
    d = ImageDraw.Draw(img)
    floor_y = 150
    # back wall and floor
    vgradient(d, (0, 0, SW, floor_y * S), (28, 18, 30), (78, 50, 40))
    vgradient(d, (0, floor_y * S, SW, SH), (96, 70, 52), (40, 28, 26))
    for i in range(-6, 7):                         # floor tiles receding to the door
        d.line(p(61.5 + i * 5, floor_y, 61.5 + i * 26, H), fill=(60, 42, 34), width=S)
    for y in (156, 164, 175):
        d.line(p(0, y, W, y), fill=(60, 42, 34), width=S)
    # wall blocks
    for row, y in enumerate(range(8, floor_y, 14)):
        d.line(p(0, y, W, y), fill=(44, 30, 34), width=S)
        for x in range(7 * (row % 2), W, 14):
            d.line(p(x, y, x, y + 14), fill=(44, 30, 34), width=S)
    # arched doorway with warm light
    ax0, ax1, ay = 34, 89, 58
    d.rectangle(p(ax0 - 5, ay, ax1 + 5, floor_y), fill=(138, 112, 86))
    d.pieslice(p(ax0 - 5, ay - 32.5, ax1 + 5, ay + 32.5), 180, 360, fill=(138, 112, 86))
    door = Image.new("RGB", (SW, SH))
    vgradient(ImageDraw.Draw(door), (0, 0, SW, SH), (255, 214, 130), (230, 130, 50))
    mask = Image.new("L", (SW, SH), 0)
    md = ImageDraw.Draw(mask)
    md.rectangle(p(ax0, ay, ax1, floor_y), fill=255)
    md.pieslice(p(ax0, ay - 27.5, ax1, ay + 27.5), 180, 360, fill=255)
    img.paste(door, (0, 0), mask)
    img = ImageChops.add(img, glow_layer(img.size, [(61.5, 96)], 18, (90, 70, 40)))
    d = ImageDraw.Draw(img)
    d.polygon(p(61.5, ay - 33, 56, ay - 24, 67, ay - 24), fill=(176, 150, 114))  # keystone
    # light spilling onto the floor
    d.polygon(p(ax0, floor_y, ax1, floor_y, ax1 + 16, H, ax0 - 16, H), fill=(150, 104, 64))
    # columns and torches
    column(d, 6, 20, 20, 141)
    column(d, 103, 117, 20, 141)
    img = ImageChops.add(img, glow_layer(img.size, [(13, 60), (110, 60)], 17, (170, 90, 25)))
    d = ImageDraw.Draw(img)
    torch(d, 13, 62)
    torch(d, 110, 62)
    # shadow under the figure, then the figure itself
    d.ellipse(p(33, 160, 90, 170), fill=(70, 44, 32))
    figure(d, 61.5, 165)
    img = ImageChops.add(img, glow_layer(img.size, [(79.7, 82)], 7, (60, 130, 170)))
    # top frieze
    d = ImageDraw.Draw(img)
    d.rectangle(p(0, 0, W, 8), fill=(150, 124, 94))
    for x in range(2, W, 6):
        d.rectangle(p(x, 2, x + 3, 6), fill=(108, 84, 64))
    # gentle vignette to frame the scene
    vig = Image.new("L", (SW, SH), 0)
    ImageDraw.Draw(vig).ellipse(p(-30, -25, W + 30, H + 25), fill=255)
    vig = vig.filter(ImageFilter.GaussianBlur(20 * S))
    img = Image.composite(img, Image.new("RGB", (SW, SH), (14, 8, 12)), vig)
    return img.resize((W, H), Image.LANCZOS)


def glow_layer(size, centres, radius, colour):
    layer = Image.new("RGB", size, 0)
    d = ImageDraw.Draw(layer)
    for cx, cy in centres:
        d.ellipse(p(cx - radius, cy - radius, cx + radius, cy + radius), fill=colour)
    return layer.filter(ImageFilter.GaussianBlur(radius * S * 0.7))


if __name__ == "__main__":
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "Quenra copy.jpg")
    draw_logo().save(out, "JPEG", quality=90, progressive=False, optimize=False)
    print(out)
