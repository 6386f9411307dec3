/* Themes and the catalogue of statistical tables.
   FORMKOD is the three-digit form number, a two-digit sub-code and "00"
   (form 41 and form 54 carry sub-code 01); TBLKOD is "00" and the
   four-character table code. Cell references of the conditions name the form
   and the table by their numbers ("12,1000,..."), which resolve to these. */

/* ---------- Themes: one per periodicity, and the derived tables ---------- */
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('010', 'Стационарная помощь (квартальная отчётность)', 'кв');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('020', 'Амбулаторно-поликлиническая помощь (полугодовая отчётность)', 'пг');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('030', 'Оперативная информация (ежемесячная отчётность)', 'мс');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('040', 'Кадры и штаты (годовая отчётность)', 'гд');
INSERT INTO GRPNAME (A, B, PERIOD) VALUES ('999', 'Годовые и производные таблицы', 'гд');

/* ---------- Tables ----------
   ALIGNGR / ALIGNGR_800: "+" fits the columns to the window, a digit freezes
   that many left columns (Учреждение, Период, Год and the row columns).
   ISBOLD "1|10|10": the total row of a spreadsheet export is bold.
   GETCELLPARAMS names the columns whose cells CELLS may mark. */
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('010', '0120000', '001000', '1', 'Ф.12 т.1000. Коечный фонд и движение больных', 'свод:_сумма', '7', NULL, '5', '3', NULL, NULL, '1|10|10', 'N4,N7,N11,N14');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('010', '0120000', '002100', '2', 'Ф.12 т.2100. Хирургическая работа стационара', 'свод:_сумма', '6', NULL, '5', '3', NULL, NULL, '1|10|10', NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('010', '0120000', '003000', '3', 'Ф.12 т.3000. Платные медицинские услуги', 'свод:_сумма', '1', NULL, '+', '+', NULL, '+', NULL, NULL);

INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('020', '0410100', '001000', '4', 'Ф.41 т.1000. Посещения врачей городским населением', 'свод:_сумма', '4', NULL, '5', '3', NULL, NULL, '1|10|10', 'N3');
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('020', '0410100', '001100', '6', 'Ф.41 т.1100. Посещения врачей сельским населением', 'свод:_сумма', '4', NULL, '4', '3', NULL, NULL, NULL, NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('020', '0410100', '002100', '5', 'Ф.41 т.2100. Работа врачей по специальностям', 'свод:список', '1', NULL, '+', '+', 's1', NULL, NULL, NULL);

INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('030', '0070000', '001000', '7', 'Ф.7 т.1000. Инфекционная заболеваемость городского населения', 'свод:_сумма', '5', NULL, '4', '3', NULL, NULL, NULL, NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('030', '0070000', '001100', '9', 'Ф.7 т.1100. Инфекционная заболеваемость сельского населения', 'свод:_сумма', '5', NULL, '4', '3', NULL, NULL, NULL, NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('030', '0070000', '002000', '8', 'Ф.7 т.2000. Рождаемость и смертность', 'свод:_сумма', '1', NULL, '+', '+', NULL, NULL, NULL, NULL);

/* Table 200 keeps one description for every year (its number is below 350). */
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('040', '0170000', '002000', '200', 'Ф.17 т.2000. Штаты и кадры по группам персонала', 'свод:_сумма', '5', NULL, '5', '3', NULL, NULL, '1|10|10', 'N3,N4,N6');
/* The positions table sums the list table before it, position by position. */
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('040', '0540100', '001000', '10', 'Ф.54 т.1000. Список медицинских работников', 'свод:список', '1', NULL, '4', '+', 'c1', NULL, NULL, NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('040', '0540100', '001100', '11', 'Ф.54 т.1100. Сводка по должностям', 'свод:крДолж', '1', NULL, '+', '+', NULL, NULL, NULL, NULL);

/* Derived annual tables. 360 has a description per year 2013-2019, 420 for
   2007, 2010 and 2012: the grid picks the one that belongs to the year. */
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('999', '0300000', '003600', '360', 'Ф.30 т.3600. Использование коечного фонда за год', 'свод:_сумма', '6', '1', '5', '3', NULL, NULL, '1|10|10', NULL);
INSERT INTO TBLNAME (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ALIGNGR, ALIGNGR_800, ORDERSP, PODPIS, ISBOLD, GETCELLPARAMS)
  VALUES ('999', '0300000', '004200', '420', 'Ф.30 т.4200. Обеспеченность населения койками (архив 2007-2012)', 'свод:_сумма', '4', NULL, '5', '3', NULL, NULL, NULL, NULL);

/* ---------- Group tables: one consolidation over several tables of one layout ---------- */
INSERT INTO TBLNAMES (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ORDERSP)
  VALUES ('020', '0410100', '001900', '304', 'Ф.41 т.1000+1100. Посещения врачей всем населением', 'свод:_сумма', '4', '4;6', NULL);
INSERT INTO TBLNAMES (TBLNAME, FORMKOD, TBLKOD, NTBL, B, VIDSVODA, KOLROW, FROMTBL, ORDERSP)
  VALUES ('030', '0070000', '001900', '307', 'Ф.7 т.1000+1100. Инфекционная заболеваемость всего населения', 'свод:_сумма', '5', '7;9', NULL);

/* ---------- Data transfer: tables of the same layout may receive each other's data ---------- */
INSERT INTO MOVE (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '4', '6');
INSERT INTO MOVE (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '6', '4');
INSERT INTO MOVE (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '7', '9');
INSERT INTO MOVE (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '9', '7');

/* ---------- Excel report forms of a theme (templates xlss\<A>.xls) ---------- */
INSERT INTO TBLEXCEL (A, B, TBLNAME, RANGBEG, RANGEND) VALUES (1, 'Справка о коечном фонде и движении больных', '010', '1|1', '40|16');
INSERT INTO TBLEXCEL (A, B, TBLNAME, RANGBEG, RANGEND) VALUES (2, 'Справка о посещениях врачей', '020', NULL, NULL);
INSERT INTO TBLEXCEL (A, B, TBLNAME, RANGBEG, RANGEND) VALUES (3, 'Справка о штатах и кадрах', '040', '1|1', '30|10');
