#include "fret_template_svg.h"

#include "fret_template.h"

namespace mirefa {

namespace {

// Six decimals keep a micrometre's precision; the zeros after them say nothing.
std::string number(double value) {
    std::string text = fileDecimals(value);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text == "-0" ? "0" : text;
}

std::string escaped(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            // XML has no place for other control characters.
            out += static_cast<unsigned char>(c) < 0x20 && c != '\t' ? ' ' : c;
        }
    }
    return out;
}

const char* className(TemplateLineKind kind) {
    switch (kind) {
    case TemplateLineKind::edge:
        return "edge";
    case TemplateLineKind::nut:
        return "nut";
    case TemplateLineKind::bridge:
        return "bridge";
    case TemplateLineKind::fret:
        return "fret";
    case TemplateLineKind::scaleBar:
        return "scale-bar";
    }
    return "";
}

void writeLines(std::string& out, const FretTemplate& t) {
    for (const TemplateLine& l : t.lines) {
        out += "<line class=\"";
        out += className(l.kind);
        out += '"';
        if (l.kind == TemplateLineKind::fret)
            out += " id=\"fret-" + std::to_string(l.fret) + '"';
        out += " x1=\"" + number(l.x1) + "\" y1=\"" + number(l.y1) + "\" x2=\"" + number(l.x2) +
               "\" y2=\"" + number(l.y2) + "\" stroke-width=\"" + number(l.width) + "\"/>\n";
    }
}

void writeTexts(std::string& out, const FretTemplate& t) {
    for (const TemplateText& s : t.texts) {
        out += "<text x=\"" + number(s.x) + "\" y=\"" + number(s.y) + "\" font-size=\"" +
               number(s.size) + '"';
        if (s.anchor == TextAnchor::middle)
            out += " text-anchor=\"middle\"";
        if (s.upright)
            out += " transform=\"rotate(-90 " + number(s.x) + ' ' + number(s.y) + ")\"";
        out += '>' + escaped(s.text) + "</text>\n";
    }
}

} // namespace

std::string fretTemplateSvg(const std::vector<FretRow>& rows, const Geometry& g,
                            std::string_view title) {
    const FretTemplate drawing = fretTemplate(rows, g, title);
    MmRect page = drawing.extent;
    const FretTemplate bar = scaleBar(0, page.bottom() + 3);
    page.height = bar.extent.bottom() + 2 - page.y;

    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" +
           number(page.width) + "mm\" height=\"" + number(page.height) + "mm\" viewBox=\"" +
           number(page.x) + ' ' + number(page.y) + ' ' + number(page.width) + ' ' +
           number(page.height) + "\">\n";
    out += "<title>" + escaped(title) + "</title>\n";
    out += "<g fill=\"none\" stroke=\"black\" stroke-linecap=\"butt\">\n";
    writeLines(out, drawing);
    writeLines(out, bar);
    out += "</g>\n<g fill=\"black\" stroke=\"none\" font-family=\"sans-serif\">\n";
    writeTexts(out, drawing);
    writeTexts(out, bar);
    out += "</g>\n</svg>\n";
    return out;
}

} // namespace mirefa
