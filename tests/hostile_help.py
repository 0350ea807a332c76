#!/usr/bin/python3
"""Writes damaged and hostile help files, one folder per case, each holding a Zarnith.chm (and the local
files it points at, which must never be read): a header, a directory of one listing page and the objects
uncompressed, or a compressed section with the faults a case names. hostile_help.py OUTPUT_FOLDER"""
import itertools, os, pathlib, struct, sys, zlib

BLOCK = 0x1000  # directory page length

def cword(value, high=0):  # a directory number: 7 bits a byte, most significant first
    return (cword(value >> 7, 0x80) if value >> 7 else b"") + bytes([high | value & 0x7F])
def entry(name, space, start, length):
    return cword(len(name := name.encode())) + name + cword(space) + cword(start) + cword(length)
def pmgl(body, free=None):  # a listing page of these entries, its free space counted unless given
    page = b"PMGL" + struct.pack("<IIii", BLOCK - 0x14 - len(body) if free is None else free, 0, -1, -1) + body
    return page.ljust(BLOCK, b"\0")[:BLOCK]

def pmgi(body):
    return (b"PMGI" + struct.pack("<I", BLOCK - 8 - len(body)) + body).ljust(BLOCK, b"\0")

def system_record(title, past=0):  # version 3: the contents file, the first page, the title (its length `past` over)
    texts = ((0, b"contents.hhc\0", 0), (2, b"index.html\0", 0), (3, title.encode() + b"\0", past))
    return struct.pack("<I", 3) + b"".join(struct.pack("<HH", code, len(text) + p) + text for code, text, p in texts)

def chm(objects, compressed=(), block_len=BLOCK, pages=None, root=-1, head=0):
    """objects: name -> bytes, uncompressed; compressed: names in the compressed section; pages: instead of one."""
    starts = itertools.accumulate(map(len, objects.values()), initial=0)
    listing = [entry(name, 0, start, len(c)) for (name, c), start in zip(objects.items(), starts)]
    data = b"".join(objects.values())
    pages = pages or [pmgl(b"".join(listing + [entry(name, 1, 0, 0x2000) for name in compressed]))]
    directory = struct.pack("<4s3iI5iIiI32x", b"ITSP", 1, 0x54, 10, block_len, 2, 1, root, head, -1, len(pages), -1,
                            0x409) + b"".join(pages)
    data_offset = 0x60 + 0x18 + len(directory)  # after the header, its section 0 and the directory
    header = struct.pack("<4s5I32x5Q", b"ITSF", 3, 0x60, 1, 0, 0x409, 0x60, 0x18, 0x78, len(directory), data_offset)
    return header + struct.pack("<IIQII", 0x1FE, 0, data_offset + len(data), 0, 0) + directory + data

def sitemap(entries, depth=1):
    items = "".join(f'<li><object type="text/sitemap"><param name="Name" value="{n}">'
                    f'<param name="Local" value="{l}"></object>' for n, l in entries)
    return ("<html><body>" + "<ul>" * depth + items + "</ul>" * depth + "</body></html>").encode()

def page(title, body, head=""):
    return f"<html><head><title>{title}</title>{head}</head><body><h1>{title}</h1>{body}</body></html>".encode()

def png(width, height, rows=None):  # a red picture; or one claiming its size over `rows`, when given
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))
    rows = (b"\0" + b"\xff\0\0" * width) * height if rows is None else rows
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(rows)) + chunk(b"IEND", b""))

def helpfile(title, body, contents=(("Start", "index.html"),), extra=None, head="", **options):
    return chm({"/#SYSTEM": system_record(title), "/contents.hhc": sitemap(contents),
                "/index.html": page(title, body, head)} | (extra or {}), **options)

def lzx_case(reset=2, window=2, per_reset=1, block=0x8000):  # its first page compressed, with the section's tables
    content, storage = os.urandom(0x3000), "::DataSpace/Storage/MSCompressed/"
    return chm({"/#SYSTEM": system_record("Compressed"), "/contents.hhc": sitemap([("Start", "index.html")]),
                storage + "ControlData": struct.pack("<I4sIIIII", 6, b"LZXC", 2, reset, window, per_reset, 0),
                storage + "Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable":
                    struct.pack("<IIIIQQQQ", 2, 1, 8, 0x28, 0x8000, len(content), block, 0),
                storage + "Content": content}, compressed=["/index.html"])

def filled_page(last):  # a listing page whose entries fill it to `last`, its final bytes
    body, room = b"", BLOCK - 0x14 - len(last)
    while room - len(body) > 40:
        body += entry("/#SYSTEM", 0, 0, 10)
    body += entry("/" + "x" * (room - len(body) - 5), 0, 0, 10)
    return pmgl(body + last, free=0)

def cases(root):
    links = [("file", "file:///etc/passwd"), ("smb", "smb://server/share"), ("javascript", "javascript:alert(1)"),
             ("data", "data:text/html,hello"), ("ms-its", "ms-its:other.chm::/index.html"),
             ("http", "http://www.example.org/"), ("https", "https://www.example.org/"),
             ("mailto", "mailto:someone@example.org"), ("next page", "second.html"), ("large page", "big.html")]
    def big(megabytes):
        return b"<html><body>" + b"<p>many words in a paragraph</p>" * 32768 * megabytes + b"</body></html>"
    yield "contents to local files", helpfile("Contents that point outside", "", contents=[
        ("Passwords", "file:///etc/passwd"), ("Secret", f"file://{root}/contents to local files/secret.html"),
        ("Zero", "/dev/zero")])
    yield "pictures of the zero device", helpfile(
        "A picture of /dev/zero", '<img src="file:///dev/zero"><img src="/dev/zero"><img src="../../dev/zero">')
    yield "style sheets importing the zero device", helpfile(
        "A style sheet importing /dev/zero", "<p>Text</p>", extra={"/style.css": b"@import url(file:///dev/zero);"},
        head='<link rel="stylesheet" href="style.css"><style>@import url(file:///dev/zero);</style>')
    local = f"{root}/local pictures/picture.png"
    yield "local pictures", helpfile(
        "Local pictures", f'<img src="file://{local}"><img src="{local}"><img src="picture-in-file.png">',
        extra={"/picture-in-file.png": png(4, 4)})
    yield "a picture claiming 20000 x 20000 pixels", helpfile(
        "A huge picture", '<img src="huge.png">', extra={"/huge.png": png(20000, 20000, rows=bytes(60000))})
    yield "links of every scheme", helpfile(
        "Links of every scheme", " ".join(f'<a href="{href}">{name}</a>' for name, href in links),
        extra={"/second.html": page("Second", "<p>The second page</p>"), "/big.html": big(1)})
    yield "contents nested 100,000 deep", helpfile(
        "Deep", "", extra={"/contents.hhc": sitemap([("Deep", "index.html")], depth=100_000)})
    yield "1,000,000 contents entries", helpfile("Many", "", contents=[("Topic", "index.html")] * 1_000_000)
    yield "a 60 MB first page", helpfile("Big", "", extra={"/index.html": big(60)})
    yield "chm_open dividing by a zero window", lzx_case(window=0)
    yield "decompressor dividing by a zero block length", lzx_case(block=0)
    yield "decompressor dividing by zero blocks a reset", lzx_case(per_reset=0)
    yield "LZX set-up writing through NULL (8 MB window)", lzx_case(window=0x100, reset=0x80)
    yield "4 GB compressed blocks", lzx_case(block=0xF000_0000)
    yield "garbage compressed data", lzx_case()
    yield "4 GB directory pages", helpfile("Huge pages", "", block_len=0xF000_0000)
    yield "directory page pointing to itself", helpfile(  # every name sorts after "/", on this page
        "Loop", "", pages=[pmgi(cword(1) + b"/" + cword(0)), pmgl(entry("/#SYSTEM", 0, 0, 10))], root=0, head=1)
    def sized(title, size):  # a page of exactly `size` bytes
        return page(title, " " * (size - len(page(title, ""))))
    yield "bounds at their limits", helpfile("Limits", "", extra={
        "/limit.html": sized("At the limit", 512 * 1024), "/past.html": sized("Past the limit", 512 * 1024 + 1),
        "/limit.png": png(2048, 2048), "/past.png": png(2048, 2049)})
    yield "a title running past its record", helpfile("", "", extra={"/#SYSTEM": system_record("Past", past=1)})
    yield "directory entry running past its page", helpfile(
        "Past the end", "", pages=[filled_page(cword(0x1FF) + b"/")])  # a name of 511 bytes, 1 of them on the page

out = pathlib.Path(sys.argv[1])
# Beside each file, what it points at: read, they would show or report it.
outside = {"picture.png": png(8, 8), "secret.html": page("Secret", "<p>Read from outside the help file</p>")}
for name, data in cases(os.path.abspath(out)):
    (out / name).mkdir(parents=True, exist_ok=True)
    for file, content in ({"Zarnith.chm": data} | outside).items():
        (out / name / file).write_bytes(content)
(out / "a pipe named Zarnith.chm").mkdir()
os.mkfifo(out / "a pipe named Zarnith.chm" / "Zarnith.chm")
