// The DXF read back by a CAD library (ezdxf): its layers, the electrodes' circles, the
// dimensions and the Cyrillic texts, for plain and hostile project data.
#include "documents/SchemeDxf.h"
#include "tests/drawing/SchemeDesign.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const NumberText numbers(QLatin1Char(','));

DesignState round(ElectrodeArrangement arrangement, double count, double strip) {
    DesignState s = schemetest::design(arrangement, count, strip);
    s.ElectrodeMaterial = ElectrodeMaterial::RoundSection;
    s.RoundDiameterMm = 16;
    return s;
}

QJsonObject readBack(const QByteArray& dxf) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("схема.dxf"));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dxf);
    file.close();
    QProcess python;
    python.start(QStringLiteral(KORVELA_PYTHON), {QStringLiteral(KORVELA_READ_DXF), path});
    EXPECT_TRUE(python.waitForFinished(60000));
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

TEST(SchemeDxf, ReadsBackWithItsLayersElectrodesDimensionsAndTexts) {
    const QString hostile = QStringLiteral("\"Кавычки\" \\U+0041 %%c ^J {\\b1} \t\x01\n ") +
                            QStringLiteral("Ж").repeated(10000);
    ProjectData plain;
    plain.object = QStringLiteral("Подстанция «Северная»");
    plain.documentCode = QStringLiteral("123-ЭС");
    ProjectData bad;
    bad.object = bad.address = bad.organisation = bad.developer = hostile;
    bad.documentCode = QStringLiteral("123-ЭС");
    struct Case {
        DesignState state;
        ProjectData project;
        int circles, dimensions;
    };
    const Case cases[] = {
        {round(ElectrodeArrangement::Row, 6, 25), plain, 6, 2},
        {round(ElectrodeArrangement::Contour, 8, 40), bad, 8, 3},
        // Angles are drawn as their outlines.
        {schemetest::design(ElectrodeArrangement::Row, 4, 15), plain, 0, 2},
    };
    const QStringList layers{
        // ezdxf adds the layer of definition points of the dimensions.
        "0", "Defpoints", "Грунт", "Заземлители", "Полоса", "Размеры", "Рамка", "Текст",
    };
    for (const Case& c : cases) {
        const DrawingSheet sheet = drawingSheet(c.state, {}, numbers, c.project, SheetSize::A3);
        const QJsonObject dxf = readBack(schemeDxf(sheet));
        EXPECT_EQ(dxf[QStringLiteral("version")].toString(), QStringLiteral("AC1015"));
        QStringList read;
        for (const QJsonValue& v : dxf[QStringLiteral("layers")].toArray())
            read << v.toString();
        read.sort();
        EXPECT_EQ(read, layers);
        EXPECT_EQ(dxf[QStringLiteral("circles")].toInt(), c.circles);
        EXPECT_EQ(dxf[QStringLiteral("dimensions")].toInt(), c.dimensions);
        const QJsonArray texts = dxf[QStringLiteral("texts")].toArray();
        for (const QString& expected :
             {QStringLiteral("123-ЭС"), QStringLiteral("План М 1:%1").arg(sheet.plan.denominator),
              QStringLiteral("Стадия"), QStringLiteral("ρ1 = 0 Ом·м")})
            EXPECT_TRUE(texts.contains(expected)) << expected.toStdString();
        const bool hostileKept = std::any_of(texts.begin(), texts.end(), [](const QJsonValue& t) {
            return t.toString().contains(QStringLiteral("\\U+0041 %%c ^J {\\b1}"));
        });
        EXPECT_EQ(hostileKept, &c.project == &cases[1].project);
    }
}

TEST(SchemeDxf, EscapesAllButPlainAscii) {
    EXPECT_EQ(dxfText(QStringLiteral("a = 5 м")), "a = 5 \\U+043C");
    EXPECT_EQ(dxfText(QStringLiteral("\\%^\n⌀")), "\\U+005C\\U+0025\\U+005E \\U+2300");
}

} // namespace
