/* Control conditions (POKAZ) and calculation formulas (POKAZC), attached to
   their tables by number ranges (USLK, USLC; FORMA is the table number with
   three digits). A condition number is the table number (5 digits) followed by
   the condition's place (3 digits): 00001003 is the third condition of table 1.

   A cell is "form,table,row,column": the form and the table by their numbers
   (41 stands for form code 0410100), the row by its number, the column by its
   number on the form (COLUMNS.NSTR). "1:7" and "3.4" run a cycle over rows or
   columns; "2П7" and "2+5П7" add up cells; a leading "100,," takes the cell
   of the year before (year and institution fields of the 5-comma form).
   ";" compares relative indicators: left and right agree within 0.1.
   A table's conditions apply to every year of it, so they name only columns
   that every metadata version of the table has.
   A condition never starts with a year field: it would be mistaken for a
   long form code when the text is normalised. */

/* ---------- Control conditions ---------- */

/* Table 1 (form 12, table 1000) */
/* row 01 is the sum of rows 02-07 in columns 3-13 (a cycle over columns, a П range of rows) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001001', '12,1000,1,3:13=12,1000,2П7,3:13', NULL);
/* the same for column 7 with the terms written out */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001002', '12,1000,1,7=12,1000,2,7+12,1000,3,7+12,1000,4,7+12,1000,5,7+12,1000,6,7+12,1000,7,7', NULL);
/* cycle over rows 01-07: all beds are at least the children's beds */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001003', '12,1000,1:7,4>=12,1000,1:7,5', NULL);
/* cycle rows x columns: admitted, discharged and died, all patients at least the children */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001004', '12,1000,1:7,7.9.11>=12,1000,1:7,8.10.12', NULL);
/* term list: discharged in total at least those of rows 02 and 05-07 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001005', '12,1000,1,9>=12,1000,2+5П7,9', NULL);
/* relative indicator: days of bed use agree with their formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001006', '12,1000,1:7,14;12,1000,1:7,13/12,1000,1:7,6', NULL);
/* paediatric beds are all children's beds */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00001007', '12,1000,4,5=12,1000,4,4', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '001', '00001001', '00001007');

/* Table 2 (form 12, table 2100) */
/* row 01 is the sum of rows 02-06 in columns 3-6 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00002001', '12,2100,1,3:6=12,2100,2П6,3:6', NULL);
/* cycle rows x columns: all operations at least those on children and the endoscopic ones */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00002002', '12,2100,1:6,3.3>=12,2100,1:6,4.5', NULL);
/* lethality agrees with its formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00002003', '12,2100,1:6,7;12,2100,1:6,6*100/12,2100,1:6,3', NULL);
/* post-operative lethality at most 5 % */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00002004', '12,2100,1,6*100/12,2100,1,3<=5', NULL);
/* across tables: deaths after operations at most the deaths on surgical beds (table 1000) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00002005', '12,2100,1,6<=12,1000,3,11', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '002', '00002001', '00002005');

/* Table 3 (form 12, table 3000) */
/* income in total at least the income from voluntary insurance */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00003001', '12,3000,1,2>=12,3000,1,3', NULL);
/* equality across tables: the beds at the end of the period as in table 1000 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00003002', '12,3000,1,4=12,1000,1,4', NULL);
/* paying patients at most the discharged patients (table 1000) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00003003', '12,3000,1,1<=12,1000,1,9', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '003', '00003001', '00003003');

/* Table 4 (form 41, table 1000) */
/* row 01 is the sum of rows 02 and 03 (column 3) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00004001', '41,1000,1,3=41,1000,2,3+41,1000,3,3', NULL);
/* the same for columns 4 and 5 (a cycle over columns) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00004002', '41,1000,1,4.5=41,1000,2,4.5+41,1000,3,4.5', NULL);
/* all visits at least those of children and of the elderly together */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00004003', '41,1000,1:4,3>=41,1000,1:4,4+41,1000,1:4,5', NULL);
/* home visits are part of all visits */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00004004', '41,1000,1,3>=41,1000,4,3', NULL);
/* the children's share agrees with its formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00004005', '41,1000,1:4,6;41,1000,1:4,4*100/41,1000,1:4,3', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '004', '00004001', '00004005');

/* Table 6 (form 41, table 1100) */
/* row 01 is the sum of rows 02-03 in columns 3-5 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00006001', '41,1100,1,3:5=41,1100,2П3,3:5', NULL);
/* all visits at least those of children and of the elderly together */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00006002', '41,1100,1:4,3>=41,1100,1:4,4+41,1100,1:4,5', NULL);
/* home visits are part of all visits */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00006003', '41,1100,1,3>=41,1100,4,3', NULL);
/* the children's share agrees with its formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00006004', '41,1100,1:4,6;41,1100,1:4,4*100/41,1100,1:4,3', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '006', '00006001', '00006004');

/* Table 7 (form 7, table 1000) */
/* all cases at least the children's cases */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00007001', '7,1000,1:5,3>=7,1000,1:5,4', NULL);
/* hospitalised at most the registered cases */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00007002', '7,1000,1:5,3>=7,1000,1:5,5', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '007', '00007001', '00007002');

/* Table 8 (form 7, table 2000) */
/* all deaths at least the infant deaths */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00008001', '7,2000,1,2>=7,2000,1,3', NULL);
/* natural increase is births minus deaths */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00008002', '7,2000,1,4=7,2000,1,1-7,2000,1,2', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '008', '00008001', '00008002');

/* Table 9 (form 7, table 1100) */
/* all cases at least the children's cases */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00009001', '7,1100,1:5,3>=7,1100,1:5,4', NULL);
/* hospitalised at most the registered cases */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00009002', '7,1100,1:5,3>=7,1100,1:5,5', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '009', '00009001', '00009002');

/* Table 200 (form 17, table 2000) */
/* row 01 is the sum of rows 02-05 in columns 3-6 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00200001', '17,2000,1,3:6=17,2000,2П5,3:6', NULL);
/* occupied posts at most the established posts */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00200002', '17,2000,1:5,3>=17,2000,1:5,4', NULL);
/* staffing level agrees with its formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00200003', '17,2000,1:5,7;17,2000,1:5,4*100/17,2000,1:5,3', NULL);
/* inter-year: staff at the end of the year at least 80 % of the year before */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00200004', '17,2000,1:5,6>=100,,17,2000,1:5,6*0.8', '01700');
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '200', '00200001', '00200004');

/* Table 360 (form 30, table 3600) */
/* row 01 is the sum of rows 02-05 in columns 3-4 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00360001', '30,3600,1,3:4=30,3600,2П5,3:4', NULL);
/* days of bed use agree with their formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00360002', '30,3600,1:5,5;30,3600,1:5,4/30,3600,1:5,3', NULL);
/* inter-year: beds at least 90 % of the year before */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00360003', '30,3600,1,3>=100,,30,3600,1,3*0.9', '03000');
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '360', '00360001', '00360003');

/* Table 420 (form 30, table 4200) */
/* row 01 is the sum of rows 02 and 03 in columns 3 and 4 (the columns of every version) */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00420001', '30,4200,1,3.4=30,4200,2,3.4+30,4200,3,3.4', NULL);
/* beds per 10 000 agree with their formula within 0.1 */
INSERT INTO POKAZ (A1, A2, MG) VALUES ('00420002', '30,4200,1:3,5;30,4200,1:3,3/30,4200,1:3,4*10', NULL);
INSERT INTO USLK (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '420', '00420001', '00420002');

/* ---------- Calculation formulas: the left side is the cell that is filled ---------- */

/* Table 1 */
/* total row 01, columns 3-13 */
INSERT INTO POKAZC (A1, A2) VALUES ('00001001', '12,1000,1,3:13=12,1000,2П7,3:13');
/* days of bed use */
INSERT INTO POKAZC (A1, A2) VALUES ('00001002', '12,1000,1:7,14=12,1000,1:7,13/12,1000,1:7,6');
/* lethality */
INSERT INTO POKAZC (A1, A2) VALUES ('00001003', '12,1000,1:7,15=12,1000,1:7,11*100/(12,1000,1:7,9+12,1000,1:7,11)');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '001', '00001001', '00001003');

/* Table 2 */
/* total row 01, columns 3-6 */
INSERT INTO POKAZC (A1, A2) VALUES ('00002001', '12,2100,1,3:6=12,2100,2П6,3:6');
/* post-operative lethality */
INSERT INTO POKAZC (A1, A2) VALUES ('00002002', '12,2100,1:6,7=12,2100,1:6,6*100/12,2100,1:6,3');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '002', '00002001', '00002002');

/* Table 4 */
/* total row 01, columns 3-5 */
INSERT INTO POKAZC (A1, A2) VALUES ('00004001', '41,1000,1,3:5=41,1000,2П3,3:5');
/* children's share of visits */
INSERT INTO POKAZC (A1, A2) VALUES ('00004002', '41,1000,1:4,6=41,1000,1:4,4*100/41,1000,1:4,3');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '004', '00004001', '00004002');

/* Table 6 */
/* total row 01, columns 3-5 */
INSERT INTO POKAZC (A1, A2) VALUES ('00006001', '41,1100,1,3:5=41,1100,2П3,3:5');
/* children's share of visits */
INSERT INTO POKAZC (A1, A2) VALUES ('00006002', '41,1100,1:4,6=41,1100,1:4,4*100/41,1100,1:4,3');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '006', '00006001', '00006002');

/* Table 8 */
/* natural increase */
INSERT INTO POKAZC (A1, A2) VALUES ('00008001', '7,2000,1,4=7,2000,1,1-7,2000,1,2');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '008', '00008001', '00008001');

/* Table 200 */
/* total row 01, columns 3-6 */
INSERT INTO POKAZC (A1, A2) VALUES ('00200001', '17,2000,1,3:6=17,2000,2П5,3:6');
/* staffing level */
INSERT INTO POKAZC (A1, A2) VALUES ('00200002', '17,2000,1:5,7=17,2000,1:5,4*100/17,2000,1:5,3');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '200', '00200001', '00200002');

/* Table 360. The cells a formula fills are written the way the one-cell
   calculation looks for them: form code of five characters, row of three
   digits, column of two. */
/* total row 001, columns 3 and 4 */
INSERT INTO POKAZC (A1, A2) VALUES ('00360001', '00030,3600,001,03=00030,3600,002П005,03');
INSERT INTO POKAZC (A1, A2) VALUES ('00360002', '00030,3600,001,04=00030,3600,002П005,04');
/* days of bed use */
INSERT INTO POKAZC (A1, A2) VALUES ('00360003', '00030,3600,001:005,05=00030,3600,001:005,04/00030,3600,001:005,03');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '360', '00360001', '00360003');

/* Table 420 */
/* total row 001, columns 3 and 4 */
INSERT INTO POKAZC (A1, A2) VALUES ('00420001', '00030,4200,001,03=00030,4200,002,03+00030,4200,003,03');
INSERT INTO POKAZC (A1, A2) VALUES ('00420002', '00030,4200,001,04=00030,4200,002,04+00030,4200,003,04');
/* beds per 10 000 inhabitants */
INSERT INTO POKAZC (A1, A2) VALUES ('00420003', '00030,4200,001:003,05=00030,4200,001:003,03/00030,4200,001:003,04*10');
INSERT INTO USLC (AUTOINC, FORMA, USL1, USL2) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), '420', '00420001', '00420003');
