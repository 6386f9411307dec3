/* Indicators of the analytical tables: reference values of one cell for the
   region ("Область", taken from a regional consolidation) and for the country
   ("РФ", typed in by hand). */
INSERT INTO ANALYTIC (AUTOINC, NAIM, NTBL, TBL, LPU, PERIOD, GOD, "ROW", ROW_B, COL, RUS, OBL, RF)
  VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'Работа койки, дней', 360, 'Ф.30 т.3600. Использование коечного фонда за год', '011166', 'год', 2023,
          '001', 'Всего (сумма строк 02-05)', 'N5', 'Работа койки, дней', 318.4, 305.0);
INSERT INTO ANALYTIC (AUTOINC, NAIM, NTBL, TBL, LPU, PERIOD, GOD, "ROW", ROW_B, COL, RUS, OBL, RF)
  VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'Больничная летальность, %', 360, 'Ф.30 т.3600. Использование коечного фонда за год', '011166', 'год', 2023,
          '001', 'Всего (сумма строк 02-05)', 'N8', 'Больничная летальность, %', 1.35, 1.60);
INSERT INTO ANALYTIC (AUTOINC, NAIM, NTBL, TBL, LPU, PERIOD, GOD, "ROW", ROW_B, COL, RUS, OBL, RF)
  VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'Укомплектованность врачами, %', 200, 'Ф.17 т.2000. Штаты и кадры по группам персонала', '011166', 'год', 2024,
          '002', 'Врачи', 'N7', 'Укомплектованность, %', 91.2, 88.5);
