// The window "Данные проекта": typing edits the design, a design opened shows in the fields, and
// opening the window leaves the design unmodified.
#include "dialogs/ProjectDataDialog.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kToday = QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));

struct Field {
    const char* name;
    QString ProjectData::*member;
};

const Field kFields[] = {
    {"Object", &ProjectData::object},
    {"Address", &ProjectData::address},
    {"DocumentCode", &ProjectData::documentCode},
    {"Stage", &ProjectData::stage},
    {"Organisation", &ProjectData::organisation},
    {"Developer", &ProjectData::developer},
    {"Checker", &ProjectData::checker},
    {"NormControl", &ProjectData::normControl},
    {"ChiefEngineer", &ProjectData::chiefEngineer},
    {"Date", &ProjectData::date},
};

QLineEdit* edit(const ProjectDataDialog& dialog, const char* name) {
    if (auto* box = dialog.findChild<QComboBox*>(QString::fromLatin1(name)))
        return box->lineEdit();
    return dialog.findChild<QLineEdit*>(QString::fromLatin1(name));
}

// Project data with every field its own text.
ProjectData filled() {
    ProjectData p;
    for (const Field& f : kFields)
        p.*f.member = QString::fromLatin1(f.name) + QStringLiteral(" «в кавычках»");
    return p;
}

} // namespace

class ProjectDataDialogTest : public QObject {
    Q_OBJECT
private slots:
    void openingLeavesTheDesignAsItWas() {
        for (const ProjectData& project : {ProjectData{}, filled()}) {
            Design design;
            design.edit([&](DesignInputs& d) { d.project = project; });
            QSignalSpy changes(&design, &Design::changed);
            ProjectDataDialog dialog(design);
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(changes.count(), 0);
            QCOMPARE(design.inputs().project, project);
            for (const Field& f : kFields) {
                const QString shown = project.isEmpty() && f.member == &ProjectData::date
                                          ? kToday
                                          : project.*f.member;
                QCOMPARE(edit(dialog, f.name)->text(), shown);
            }
        }
    }

    void typingEditsTheDesign() {
        for (const Field& f : kFields) {
            Design design;
            ProjectDataDialog dialog(design);
            dialog.show();
            QLineEdit* field = edit(dialog, f.name);
            field->selectAll();
            QTest::keyClicks(field, QStringLiteral("Ab 1"));
            QCOMPARE(design.inputs().project.*f.member, QStringLiteral("Ab 1"));
            // The date shown on opening became the design's with the first edit.
            if (f.member != &ProjectData::date)
                QCOMPARE(design.inputs().project.date, kToday);
            QTest::keyClick(field, Qt::Key_Backspace);
            QCOMPARE(design.inputs().project.*f.member, QStringLiteral("Ab "));
        }
        // "Стадия" is picked from its list as well.
        Design design;
        ProjectDataDialog dialog(design);
        auto* stage = dialog.findChild<QComboBox*>(QStringLiteral("Stage"));
        QCOMPARE(stage->count(), 2);
        stage->setCurrentIndex(stage->findText(QStringLiteral("Р")));
        QCOMPARE(design.inputs().project.stage, QStringLiteral("Р"));
    }

    void aReplacedDesignShowsInTheFields() {
        Design design;
        ProjectDataDialog dialog(design);
        QTest::keyClicks(edit(dialog, "Checker"), QStringLiteral("x"));
        for (const ProjectData& project : {filled(), ProjectData{}}) {
            DesignInputs inputs;
            inputs.project = project;
            design.replace(inputs);
            QCOMPARE(design.inputs().project, project);
            for (const Field& f : kFields) {
                const QString shown = project.isEmpty() && f.member == &ProjectData::date
                                          ? kToday
                                          : project.*f.member;
                QCOMPARE(edit(dialog, f.name)->text(), shown);
            }
        }
    }
};

QTEST_MAIN(ProjectDataDialogTest)
#include "ProjectDataDialogTest.moc"
