#include "workspace_fixture.h"

#include "data/settings_store.h"
#include "workspace/tf_main.h"

#include <QDir>
#include <QFile>
#include <QSettings>

namespace vexo::test {

const char* const kCatalogueSql = R"SQL(
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('010', 'Квартальные формы', 'кв');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('020', 'Полугодовые формы', 'пг');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('030', 'Месячные формы', 'мс');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('040', 'Годовые формы', 'гд');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('050', 'Тема без таблиц', 'кв');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('999', 'Производные таблицы', 'гд');

INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('010', '0001200', '001000', '1', 'Ф.12 т.1000 Коечный фонд', 'свод:_сумма', '7');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('010', '0001200', '002000', '2', 'Ф.12 т.2000 Хирургическая работа', 'свод:_сумма', '5');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('010', '0001400', '001000', '3', 'Ф.14 т.1000 Список выбывших', 'свод:список', '1');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('020', '0003000', '001000', '10', 'Ф.30 т.1000 Посещения', 'свод:_сумма', '4');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('030', '0000700', '001000', '20', 'Ф.7 т.1000 Инфекции', 'свод:_сумма', '5');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('040', '0001700', '001000', '101', 'Ф.17 т.1000 Кадры', 'свод:_сумма', '5');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('040', '0001700', '002000', '102', 'Ф.17 т.2000 Штаты', 'свод:крДолж', '5');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('999', '0099900', '000100', '400', 'Производная т.100', 'свод:_сумма', '3');

INSERT INTO PERIOD (A, B) VALUES ('I', 'I квартал');
INSERT INTO PERIOD (A, B) VALUES ('II', 'II квартал');
INSERT INTO PERIOD (A, B) VALUES ('III', 'III квартал');
INSERT INTO PERIOD (A, B) VALUES ('IV', 'IV квартал');
INSERT INTO PERIOD (A, B) VALUES ('1-3', 'Январь - март');
INSERT INTO PERIOD (A, B) VALUES ('Iп', 'I полугодие');
INSERT INTO PERIOD (A, B) VALUES ('IIп', 'II полугодие');
INSERT INTO PERIOD (A, B) VALUES ('год', 'Весь год');
INSERT INTO PERIOD (A, B) VALUES ('01', 'Январь');
INSERT INTO PERIOD (A, B) VALUES ('102', 'Январь - февраль');
INSERT INTO PERIOD (A, B) VALUES ('02', 'Февраль');
INSERT INTO PERIOD (A, B) VALUES ('03', 'Март');
INSERT INTO PERIOD (A, B) VALUES ('04', 'Апрель');
INSERT INTO PERIOD (A, B) VALUES ('05', 'Май');
INSERT INTO PERIOD (A, B) VALUES ('06', 'Июнь');
INSERT INTO PERIOD (A, B) VALUES ('07', 'Июль');
INSERT INTO PERIOD (A, B) VALUES ('08', 'Август');
INSERT INTO PERIOD (A, B) VALUES ('09', 'Сентябрь');
INSERT INTO PERIOD (A, B) VALUES ('10', 'Октябрь');
INSERT INTO PERIOD (A, B) VALUES ('11', 'Ноябрь');
INSERT INTO PERIOD (A, B) VALUES ('12', 'Декабрь');
INSERT INTO PERIOD (A, B) VALUES ('111', 'Январь - ноябрь');

INSERT INTO KODIF (A, C, B, B1, A3, RAION) VALUES ('000000', '000000', 'Область', 'Зелмская область, все учреждения', NULL, '0000');
INSERT INTO KODIF (A, C, B, B1, A3, RAION) VALUES ('010101', '010101', 'ЦРБ №1', 'Центральная районная больница №1', NULL, '0101');
INSERT INTO KODIF (A, C, B, B1, A3, RAION) VALUES ('011166', '011166', 'Свод по области', 'Сводные данные по области', '010101', '0000');

INSERT INTO UST3 (AUTOINC, A, B, C, D, E, F, G) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'sa', 'JJJJ', 'T', 'T', 'T', '', '');
INSERT INTO UST3 (AUTOINC, A, B, C, D, E, F, G) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'oper', 'JIHG', 'F', 'F', 'F', '1;', '1;2;101;');
)SQL";

const char* const kGroupTablesSql = R"SQL(
INSERT INTO TBLNAMES (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW) VALUES ('010', '0001200', '009000', '900', 'Ф.12 по группе', 'свод:_сумма', '7');
)SQL";

void isolatePlacementStore() {
    static TempDir store("vexo-placement");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, QString::fromStdString(store.path().string()));
}

CatalogueDatabase::CatalogueDatabase(bool withGroupTables) {
    isolatePlacementStore();
    db.runScript(kCatalogueSql);
    if (withGroupTables) db.runScript(kGroupTablesSql);
    db.commit();
    dm.connectDatabase(db.params());
    dm.openAll();
}

void CatalogueDatabase::setSetting(const QString& key, const QString& value) {
    data::SettingsStore(dm).write(key, value, true);
}

Workspace::Workspace(bool withGroupTables) : CatalogueDatabase(withGroupTables) {
    errors.exitProcess = [](int) {};
    errors.showDatabaseError = [this](const QString& text, long, const QString&) {
        dialogs.message({text, QStringLiteral("Ошибка"), ui::Icon::Error, ui::Buttons::Ok, ui::Answer::Ok});
    };
}

Workspace::~Workspace() {
    if (main) main->close();
    main.reset();
}

QString Workspace::folder() const { return QString::fromStdString(programFolder.path().string()) + "/"; }

void Workspace::writeFile(const QString& relative, const QByteArray& bytes) const {
    const QString path = folder() + relative;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
}

workspace::TfMain& Workspace::create(const QDate& day) {
    today = day;
    main = std::make_unique<workspace::TfMain>(dm, errors);
    main->setProgramFolder(folder());
    main->setClock([this] { return today; });
    main->setDocumentOpener([this](const QString& path) {
        opened << path;
        return true;
    });
    main->setFileChooser([this](const QString& title, const QString&, const QString&) {
        fileDialogTitles << title;
        return chosen.isEmpty() ? QString() : chosen.takeFirst();
    });
    return *main;
}

workspace::TfMain& Workspace::show(const QDate& day) {
    if (!main) create(day);
    if (!main->rights().isSet()) main->rights().setPasswordsOff();
    main->show();
    return *main;
}

}  // namespace vexo::test
