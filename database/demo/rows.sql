/* Fixed rows of the demo tables. A is the row number, ITEM the display
   order, C the code of the form and table the row belongs to (form number,
   six zeros, table code). NEXT stays empty: every row is followed by the
   next number. Tables up to 349 keep one set of rows (GOD 0). */

/* Table 1 */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '001', 'Всего коек (сумма строк 02-07)', '0120000001000', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '002', 'терапевтические', '0120000001000', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '003', 'хирургические', '0120000001000', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '004', 'педиатрические', '0120000001000', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '005', 'акушерские и гинекологические', '0120000001000', 5, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '006', 'инфекционные', '0120000001000', 6, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (1, '007', 'прочие', '0120000001000', 7, 0);

/* Table 2 */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '001', 'Операции — всего (сумма строк 02-06)', '0120000002100', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '002', 'на органах брюшной полости', '0120000002100', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '003', 'на органах грудной клетки', '0120000002100', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '004', 'на костно-мышечной системе', '0120000002100', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '005', 'на сосудах', '0120000002100', 5, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (2, '006', 'прочие операции', '0120000002100', 6, 0);

/* Tables 4 and 6, and the group table 304 over both */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (4, '001', 'Посещения — всего (сумма строк 02-03)', '0410000001000', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (4, '002', 'по поводу заболеваний', '0410000001000', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (4, '003', 'с профилактической целью', '0410000001000', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (4, '004', 'из строки 01: на дому', '0410000001000', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (6, '001', 'Посещения — всего (сумма строк 02-03)', '0410000001100', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (6, '002', 'по поводу заболеваний', '0410000001100', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (6, '003', 'с профилактической целью', '0410000001100', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (6, '004', 'из строки 01: на дому', '0410000001100', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (304, '001', 'Посещения — всего (сумма строк 02-03)', '0410000001900', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (304, '002', 'по поводу заболеваний', '0410000001900', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (304, '003', 'с профилактической целью', '0410000001900', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (304, '004', 'из строки 01: на дому', '0410000001900', 4, 0);

/* Tables 7 and 9, and the group table 307 over both */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (7, '001', 'Грипп', '0070000001000', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (7, '002', 'Острые респираторные вирусные инфекции', '0070000001000', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (7, '003', 'Ветряная оспа', '0070000001000', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (7, '004', 'Острые кишечные инфекции', '0070000001000', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (7, '005', 'Внебольничная пневмония', '0070000001000', 5, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (9, '001', 'Грипп', '0070000001100', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (9, '002', 'Острые респираторные вирусные инфекции', '0070000001100', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (9, '003', 'Ветряная оспа', '0070000001100', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (9, '004', 'Острые кишечные инфекции', '0070000001100', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (9, '005', 'Внебольничная пневмония', '0070000001100', 5, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (307, '001', 'Грипп', '0070000001900', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (307, '002', 'Острые респираторные вирусные инфекции', '0070000001900', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (307, '003', 'Ветряная оспа', '0070000001900', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (307, '004', 'Острые кишечные инфекции', '0070000001900', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (307, '005', 'Внебольничная пневмония', '0070000001900', 5, 0);

/* Table 200 */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (200, '001', 'Всего (сумма строк 02-05)', '0170000002000', 1, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (200, '002', 'Врачи', '0170000002000', 2, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (200, '003', 'Средний медицинский персонал', '0170000002000', 3, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (200, '004', 'Младший медицинский персонал', '0170000002000', 4, 0);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (200, '005', 'Прочий персонал', '0170000002000', 5, 0);

SET TERM ^ ;
/* Table 360: rows per year 2013-2019; 2019 adds row 006. */
EXECUTE BLOCK AS
  DECLARE Y SMALLINT = 2013;
BEGIN
  WHILE (Y <= 2019) DO
  BEGIN
    INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '001', 'Всего (сумма строк 02-05)', '0300000003600', 1, :Y);
    INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '002', 'терапевтические', '0300000003600', 2, :Y);
    INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '003', 'хирургические', '0300000003600', 3, :Y);
    INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '004', 'педиатрические', '0300000003600', 4, :Y);
    INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '005', 'прочие', '0300000003600', 5, :Y);
    IF (Y = 2019) THEN
      INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (360, '006', 'Справочно: места дневного стационара', '0300000003600', 6, :Y);
    Y = Y + 1;
  END
END^
SET TERM ; ^

/* Table 420: rows of 2007, 2010 and 2012; 2012 adds row 004. */
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '001', 'Население — всего (сумма строк 02-03)', '0300000004200', 1, 2007);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '002', 'Взрослые 18 лет и старше', '0300000004200', 2, 2007);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '003', 'Дети 0-17 лет', '0300000004200', 3, 2007);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '001', 'Население — всего (сумма строк 02-03)', '0300000004200', 1, 2010);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '002', 'Взрослые 18 лет и старше', '0300000004200', 2, 2010);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '003', 'Дети 0-17 лет', '0300000004200', 3, 2010);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '001', 'Население — всего (сумма строк 02-03)', '0300000004200', 1, 2012);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '002', 'Взрослые 18 лет и старше', '0300000004200', 2, 2012);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '003', 'Дети 0-17 лет', '0300000004200', 3, 2012);
INSERT INTO "ROWS" (TBL, A, B, C, ITEM, GOD) VALUES (420, '004', 'из строки 01: сельское население', '0300000004200', 4, 2012);
