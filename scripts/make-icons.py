#!/usr/bin/env python3
"""Writes the toolbar and outline icons as small SVG files (run once; the
SVGs are committed). Each outline picture has its own colour and glyph so
that the keyword kinds can be told apart at a glance."""
import os

OUT = os.path.join(os.path.dirname(__file__), "..", "resources", "icons")

def svg(body):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="16" height="16" viewBox="0 0 16 16">'
            + body + "</svg>\n")

def badge(color, glyph):
    return svg(f'<rect x="0.5" y="0.5" width="15" height="15" rx="3" fill="{color}" stroke="#333" stroke-width="0.6"/>' + glyph)

W = 'stroke="#fff" stroke-width="1.8" fill="none" stroke-linecap="round" stroke-linejoin="round"'
PAGE = '<path d="M3 1.5h7l3 3v10H3z" fill="#fff" stroke="#555"/><path d="M10 1.5v3h3" fill="none" stroke="#555"/>'

icons = {
    "new": svg(PAGE),
    "open": svg('<path d="M1 4h5l1.5 1.5H15v8.5H1z" fill="#e8b931" stroke="#8a6a10"/>'),
    "save": svg('<rect x="1.5" y="1.5" width="13" height="13" rx="1" fill="#3b6fc4" stroke="#1d3d73"/>'
                '<rect x="4" y="2" width="8" height="4.5" fill="#fff"/><rect x="4" y="9" width="8" height="5" fill="#dde"/>'),
    "print": svg('<rect x="4" y="1.5" width="8" height="5" fill="#fff" stroke="#555"/>'
                 '<rect x="1.5" y="6" width="13" height="6" rx="1" fill="#888" stroke="#444"/>'
                 '<rect x="4" y="10" width="8" height="4.5" fill="#fff" stroke="#555"/>'),
    "cut": svg('<circle cx="4.5" cy="12" r="2.3" fill="none" stroke="#c33" stroke-width="1.4"/>'
               '<circle cx="11.5" cy="12" r="2.3" fill="none" stroke="#c33" stroke-width="1.4"/>'
               '<path d="M6 10.5 12 1.5M10 10.5 4 1.5" stroke="#555" stroke-width="1.4"/>'),
    "copy": svg('<rect x="1.5" y="1.5" width="8" height="10" fill="#fff" stroke="#555"/>'
                '<rect x="6.5" y="4.5" width="8" height="10" fill="#fff" stroke="#555"/>'),
    "paste": svg('<rect x="2" y="2.5" width="12" height="12" rx="1" fill="#b07a3c" stroke="#5c3d15"/>'
                 '<rect x="5" y="1" width="6" height="3" rx="1" fill="#ccc" stroke="#555"/>'
                 '<rect x="5" y="6" width="7" height="7" fill="#fff"/>'),
    "find": svg('<circle cx="6.5" cy="6.5" r="4.3" fill="#dff" stroke="#246" stroke-width="1.6"/>'
                '<path d="M9.8 9.8 14.5 14.5" stroke="#246" stroke-width="2.2" stroke-linecap="round"/>'),
    "undo": svg('<path d="M5 3 1.5 6.5 5 10" fill="none" stroke="#2a6" stroke-width="1.8" stroke-linejoin="round"/>'
                '<path d="M2 6.5h7.5a4 4 0 0 1 0 8H6" fill="none" stroke="#2a6" stroke-width="1.8"/>'),
    "cmd": badge("#2e8b57", f'<path d="M8 3.5v9M3.5 8h9" {W}/>'),
    # Outline pictures.
    "outline-actions": badge("#4a7", f'<path d="M4 5h8M4 8h8M4 11h8" {W}/>'),
    "outline-header": badge("#7a52b3", f'<path d="M3.5 4.5h9" {W}/><path d="M3.5 8h6M3.5 11h7" stroke="#fff" stroke-width="1.2"/>'),
    "outline-mod": badge("#e07b00", f'<path d="M3 6 8 3.5 13 6v5l-5 2.5L3 11z" {W}/><path d="M3 6l5 2.5L13 6M8 8.5v5" stroke="#fff" stroke-width="1.2" fill="none"/>'),
    "outline-field": svg('<circle cx="8" cy="8" r="3.5" fill="#6c8aa8" stroke="#345"/>'),
    "outline-open": badge("#1f5fbf", f'<path d="M4.5 3.5h5l2 2v7h-7z" {W}/>'),
    "outline-find": badge("#0f8a8a", f'<circle cx="7" cy="7" r="3" {W}/><path d="M9.3 9.3 12.5 12.5" {W}/>'),
    "outline-after": badge("#2f9e2f", f'<path d="M8 3v7M5 7.5 8 10.5 11 7.5M4 13h8" {W}/>'),
    "outline-before": badge("#d4a017", f'<path d="M8 13V6M5 8.5 8 5.5 11 8.5M4 3h8" {W}/>'),
    "outline-replace": badge("#c62828", f'<path d="M3.5 5.5h8l-2-2M12.5 10.5h-8l2 2" {W}/>'),
    "app": svg('<rect x="0.5" y="0.5" width="15" height="15" rx="3.5" fill="#22324a"/>'
               '<path d="M4 12.5 11.5 3.5l1.5 1.3L5.5 13.8z" fill="#f5c542"/><path d="M3.5 13.8 4 12.5l1.5 1.3z" fill="#fff"/>'),
}

for name, text in icons.items():
    with open(os.path.join(OUT, name + ".svg"), "w") as f:
        f.write(text)
with open(os.path.join(OUT, "..", "icons.qrc"), "w") as f:
    f.write('<RCC>\n  <qresource prefix="/">\n')
    for name in icons:
        f.write(f'    <file>icons/{name}.svg</file>\n')
    f.write('    <file>logo.svg</file>\n')
    f.write('  </qresource>\n</RCC>\n')
