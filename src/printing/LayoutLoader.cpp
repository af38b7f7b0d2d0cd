#include "printing/LayoutLoader.h"

#include "platform/RaisedError.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

// The layouts live in the static printing library's resources, which must be
// registered once before the first read.
static void initPrintingResources()
{
    static const bool done = [] {
        Q_INIT_RESOURCE(printing);
        return true;
    }();
    Q_UNUSED(done);
}

namespace printing {

namespace {

const QString kLayoutFolder = QStringLiteral(":/printing/layouts");
const QString kHeaderImage = QStringLiteral(":/printing/header.png");

[[noreturn]] void fail(const QString &detail)
{
    throw platform::RaisedError(QStringLiteral("Modelo de impressão inválido: %1").arg(detail));
}

// Where in a layout a problem lies: the layout's name and the element's place, so a
// damaged layout names what to mend.
QString g_where;

class Place {
public:
    explicit Place(const QString &where) : m_previous(g_where) { g_where = where; }
    ~Place() { g_where = m_previous; }
    Place(const Place &) = delete;
    Place &operator=(const Place &) = delete;

private:
    QString m_previous;
};

[[noreturn]] void failHere(const QString &detail)
{
    fail(g_where.isEmpty() ? detail : QStringLiteral("%1: %2").arg(g_where, detail));
}

// A key the loader does not know is a typing error in the layout, never a setting to skip.
void onlyKeys(const QJsonObject &o, std::initializer_list<const char *> known)
{
    for (auto it = o.begin(); it != o.end(); ++it) {
        bool found = false;
        for (const char *k : known)
            found = found || it.key() == QLatin1String(k);
        if (!found)
            failHere(QStringLiteral("chave desconhecida \"%1\"").arg(it.key()));
    }
}

double number(const QJsonValue &v, const QString &what)
{
    if (!v.isDouble())
        failHere(QStringLiteral("%1 não é um número").arg(what));
    return v.toDouble();
}

QRectF box(const QJsonValue &v, const QString &what)
{
    const QJsonArray a = v.toArray();
    if (a.size() == 2)
        return QRectF(number(a[0], what), number(a[1], what), 0.0, 0.0);
    if (a.size() != 4)
        failHere(QStringLiteral("%1 precisa de 2 ou 4 números").arg(what));
    return QRectF(number(a[0], what), number(a[1], what), number(a[2], what), number(a[3], what));
}

FontSpec font(const QJsonObject &o)
{
    onlyKeys(o, {"face", "size", "bold", "grey"});
    FontSpec f;
    f.face = o.value(QLatin1String("face")).toString();
    if (f.face.isEmpty())
        failHere(QStringLiteral("fonte sem nome"));
    f.pointSize = number(o.value(QLatin1String("size")), QStringLiteral("tamanho da fonte"));
    f.bold = o.value(QLatin1String("bold")).toBool(false);
    f.grey = o.value(QLatin1String("grey")).toBool(false);
    return f;
}

Align align(const QString &s)
{
    if (s.isEmpty() || s == QLatin1String("left"))
        return Align::Left;
    if (s == QLatin1String("center"))
        return Align::Center;
    if (s == QLatin1String("right"))
        return Align::Right;
    failHere(QStringLiteral("alinhamento \"%1\"").arg(s));
}

class Parser {
public:
    explicit Parser(const QJsonObject &root) : m_root(root), m_place(root.value(QLatin1String("name")).toString())
    {
        onlyKeys(root, {"name", "reportTitle", "unit", "marginDefaults", "copies", "bandWidth", "fonts", "dataFont",
                        "pageElementFont", "bands", "pageElements", "blocks"});
        const QJsonObject fonts = root.value(QLatin1String("fonts")).toObject();
        for (auto it = fonts.begin(); it != fonts.end(); ++it) {
            const Place place(QStringLiteral("%1, fonte \"%2\"").arg(layoutName(), it.key()));
            m_fonts.insert(it.key(), font(it.value().toObject()));
        }
        m_blocks = root.value(QLatin1String("blocks")).toObject();
    }

    Layout layout()
    {
        Layout l;
        l.name = m_root.value(QLatin1String("name")).toString();
        l.reportTitle = m_root.value(QLatin1String("reportTitle")).toString();
        const QString unit = m_root.value(QLatin1String("unit")).toString();
        if (unit == QLatin1String("mm"))
            l.unit = LayoutUnit::Millimetres;
        else if (unit == QLatin1String("0.1mm"))
            l.unit = LayoutUnit::TenthsOfMillimetre;
        else
            fail(QStringLiteral("%1: unidade \"%2\"").arg(layoutName(), unit));
        const QJsonObject m = m_root.value(QLatin1String("marginDefaults")).toObject();
        {
            const Place place(QStringLiteral("%1, marginDefaults").arg(layoutName()));
            onlyKeys(m, {"top", "bottom", "left", "right"});
        }
        l.marginDefaults = {m.value(QLatin1String("top")).toInt(), m.value(QLatin1String("bottom")).toInt(),
                            m.value(QLatin1String("left")).toInt(), m.value(QLatin1String("right")).toInt()};
        l.copies = m_root.value(QLatin1String("copies")).toInt(1);
        l.bandWidth = number(m_root.value(QLatin1String("bandWidth")), QStringLiteral("bandWidth"));
        m_dataFont = fontNamed(m_root.value(QLatin1String("dataFont")).toString());

        const QJsonArray bands = m_root.value(QLatin1String("bands")).toArray();
        for (qsizetype i = 0; i < bands.size(); ++i)
            l.bands.append(band(bands[i].toObject(), QStringLiteral("%1, banda %2").arg(layoutName()).arg(i + 1)));
        if (l.bands.isEmpty())
            fail(QStringLiteral("%1: nenhuma banda").arg(layoutName()));
        m_captionFont = fontNamed(m_root.value(QLatin1String("pageElementFont")).toString(
            m_root.value(QLatin1String("dataFont")).toString()));
        elements(m_root.value(QLatin1String("pageElements")).toArray(),
                 QStringLiteral("%1, elementos da página").arg(layoutName()), 0, &l.pageElements);
        return l;
    }

private:
    FontSpec fontNamed(const QString &name) const
    {
        const auto it = m_fonts.constFind(name);
        if (it == m_fonts.constEnd())
            failHere(QStringLiteral("fonte \"%1\" não definida").arg(name));
        return *it;
    }

    QString layoutName() const
    {
        const QString name = m_root.value(QLatin1String("name")).toString();
        return name.isEmpty() ? QStringLiteral("modelo sem nome") : name;
    }

    Band band(const QJsonObject &o, const QString &where)
    {
        const Place place(where);
        onlyKeys(o, {"kind", "height", "bottomRule", "captionFont", "elements"});
        Band b;
        const QString kind = o.value(QLatin1String("kind")).toString();
        if (kind == QLatin1String("title"))
            b.kind = BandKind::Title;
        else if (kind == QLatin1String("section"))
            b.kind = BandKind::Section;
        else
            failHere(QStringLiteral("tipo de banda \"%1\"").arg(kind));
        b.height = number(o.value(QLatin1String("height")), QStringLiteral("altura da banda"));
        b.bottomRule = o.value(QLatin1String("bottomRule")).toBool(false);
        m_captionFont = fontNamed(o.value(QLatin1String("captionFont")).toString());
        elements(o.value(QLatin1String("elements")).toArray(), where, 0, &b.elements);
        return b;
    }

    // Appends the elements of a list; a {"block": name, "tagOffset": n} entry stands for
    // the elements of that block, each data label's Tag raised by n.
    void elements(const QJsonArray &list, const QString &where, int tagOffset, QList<Element> *out)
    {
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QJsonObject o = list[i].toObject();
            const Place place(QStringLiteral("%1, elemento %2").arg(where).arg(i + 1));
            if (!o.contains(QLatin1String("block"))) {
                out->append(element(o, tagOffset));
                continue;
            }
            onlyKeys(o, {"block", "tagOffset"});
            const QString name = o.value(QLatin1String("block")).toString();
            if (!m_blocks.contains(name))
                failHere(QStringLiteral("bloco \"%1\" não definido").arg(name));
            if (m_inBlock.contains(name))
                failHere(QStringLiteral("bloco \"%1\" usado dentro de si mesmo").arg(name));
            m_inBlock.append(name);
            elements(m_blocks.value(name).toArray(), QStringLiteral("%1, bloco \"%2\"").arg(g_where, name),
                     tagOffset + o.value(QLatin1String("tagOffset")).toInt(0), out);
            m_inBlock.removeLast();
        }
    }

    Element element(const QJsonObject &o, int tagOffset)
    {
        if (o.contains(QLatin1String("rect")))
            return shape(o, ShapeKind::Rectangle, QLatin1String("rect"));
        if (o.contains(QLatin1String("hline")))
            return shape(o, ShapeKind::HorizontalLine, QLatin1String("hline"));
        if (o.contains(QLatin1String("vline")))
            return shape(o, ShapeKind::VerticalLine, QLatin1String("vline"));
        if (o.contains(QLatin1String("image"))) {
            onlyKeys(o, {"image", "source"});
            return Image{box(o.value(QLatin1String("image")), QStringLiteral("imagem")),
                         o.value(QLatin1String("source")).toString(kHeaderImage)};
        }
        if (o.contains(QLatin1String("caption")))
            return label(o, o.value(QLatin1String("caption")).toString(), m_captionFont, true, 0);
        if (o.contains(QLatin1String("data")))
            return label(o, o.value(QLatin1String("text")).toString(), m_dataFont, false, tagOffset);
        failHere(QStringLiteral("elemento desconhecido"));
    }

    Shape shape(const QJsonObject &o, ShapeKind kind, QLatin1String key)
    {
        onlyKeys(o, {key.data(), "tag", "pen", "dotted", "framed", "fill"});
        Shape s;
        s.kind = kind;
        s.box = box(o.value(key), QStringLiteral("forma"));
        s.tag = o.value(QLatin1String("tag")).toInt(0);
        s.penWidth = o.value(QLatin1String("pen")).toInt(1);
        s.dotted = o.value(QLatin1String("dotted")).toBool(false);
        s.framed = o.value(QLatin1String("framed")).toBool(false);
        const QString fill = o.value(QLatin1String("fill")).toString(QStringLiteral("white"));
        s.fill = fill == QLatin1String("none") ? QColor(Qt::transparent) : QColor(fill);
        if (!s.fill.isValid())
            failHere(QStringLiteral("cor \"%1\"").arg(fill));
        return s;
    }

    TextLabel label(const QJsonObject &o, const QString &text, const FontSpec &defaultFont, bool caption,
                    int tagOffset)
    {
        onlyKeys(o, {caption ? "caption" : "data", caption ? "tag" : "text", "name", "box", "at", "autoSize", "font",
                     "align", "wordWrap", "centerOnBand", "enabled"});
        TextLabel l;
        l.name = o.value(QLatin1String("name")).toString();
        l.text = text;
        l.tag = caption ? o.value(QLatin1String("tag")).toInt(0) : o.value(QLatin1String("data")).toInt();
        if (!caption && l.tag <= 0)
            failHere(QStringLiteral("rótulo de dado sem Tag"));
        if (!caption) {
            l.tag += tagOffset;
            // Two labels of one Tag would print one field twice, and the other not at all.
            const auto seen = m_dataTags.constFind(l.tag);
            if (seen != m_dataTags.constEnd())
                failHere(QStringLiteral("Tag %1 repetida (já em %2)").arg(l.tag).arg(*seen));
            m_dataTags.insert(l.tag, g_where);
        }
        const bool hasBox = o.contains(QLatin1String("box"));
        if (!hasBox && !o.contains(QLatin1String("at")))
            failHere(QStringLiteral("rótulo \"%1\" sem posição").arg(text));
        l.box = box(hasBox ? o.value(QLatin1String("box")) : o.value(QLatin1String("at")), QStringLiteral("rótulo"));
        // A caption given by its corner alone sizes itself to its text; one given a box
        // keeps the box unless told otherwise.
        l.autoSize = o.value(QLatin1String("autoSize")).toBool(!hasBox);
        l.font = o.contains(QLatin1String("font")) ? fontNamed(o.value(QLatin1String("font")).toString())
                                                   : defaultFont;
        l.align = align(o.value(QLatin1String("align")).toString());
        l.wordWrap = o.value(QLatin1String("wordWrap")).toBool(true);
        l.centerOnBand = o.value(QLatin1String("centerOnBand")).toBool(false);
        l.enabled = o.value(QLatin1String("enabled")).toBool(true);
        if (!l.autoSize && (l.box.width() <= 0.0 || l.box.height() <= 0.0))
            failHere(QStringLiteral("rótulo \"%1\" sem tamanho").arg(text));
        return l;
    }

    QJsonObject m_root;
    Place m_place;
    QJsonObject m_blocks;
    QStringList m_inBlock;
    QHash<int, QString> m_dataTags;   // where each data label's Tag was first seen
    QHash<QString, FontSpec> m_fonts;
    FontSpec m_dataFont;
    FontSpec m_captionFont;
};

} // namespace

Layout LayoutLoader::parse(const QByteArray &json)
{
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (doc.isNull())
        fail(error.errorString());
    if (!doc.isObject())
        fail(QStringLiteral("o documento não é um objeto"));
    return Parser(doc.object()).layout();
}

Layout LayoutLoader::load(const QString &name)
{
    initPrintingResources();
    QFile file(kLayoutFolder + QLatin1Char('/') + name + QStringLiteral(".json"));
    if (!file.open(QIODevice::ReadOnly))
        throw platform::RaisedError(QStringLiteral("Modelo de impressão %1 não encontrado").arg(name));
    Layout layout = parse(file.readAll());
    if (layout.name != name)
        fail(QStringLiteral("%1 traz o nome %2").arg(name, layout.name));
    return layout;
}

QStringList LayoutLoader::names()
{
    initPrintingResources();
    QStringList result;
    for (const QString &file : QDir(kLayoutFolder).entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        result.append(file.chopped(5));
    return result;
}

} // namespace printing
