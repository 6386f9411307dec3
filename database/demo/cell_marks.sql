/* Marked cells. "gray" locks cells against typing (they are computed by the
   calculation formulas or by row formulas); "yellow" marks the cells handed
   to the federal statistics system. Only columns named in the table's
   GETCELLPARAMS are looked up. When two marks meet in one cell the later one
   gives the colour: the total of column 4 of table 1 shows yellow but stays
   locked by its gray mark. */

/* Table 1 (GETCELLPARAMS 'N4,N7,N11,N14') */
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '1', '1', 'N4', 'gray');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '1', '1,2,3,4,5,6,7', 'N14', 'gray');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '1', '1', 'N4', 'yellow');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '1', '1', 'N7', 'yellow');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '1', '1,4', 'N11', 'yellow');

/* Table 4 (GETCELLPARAMS 'N3') */
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '4', '1,4', 'N3', 'yellow');

/* Table 200 (GETCELLPARAMS 'N3,N4,N6') */
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '200', '1', 'N3', 'gray');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '200', '1', 'N4', 'gray');
INSERT INTO CELLS (AUTOINC, TBLNAME, "ROWS", COL, COLORFLD) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '200', '1,2', 'N6', 'yellow');
