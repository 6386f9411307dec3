/* Settings of the demo installation (the structure version is written by
   the schema scripts). A fresh installation works without most of them; they
   are written out so that the settings dialog shows what is in force. */
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'LPUDefa', '010101');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'LPUyn', '0');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'KodZelmObl', '011166');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'KodRF', '019988');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'NewLpuB', 'N');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'Ust3', '2');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'MedVersion', 'Y');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'ExpEmpty', 'N');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'DotUsed', 'Y');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'ShowNstr', 'Y');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'ShowPerLpu', 'Y');
/* Colour the marked cells, so that the marks of tables 1, 4 and 200 show. */
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'ColorCells', 'Y');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'CellsColor', '12639424');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'NazvPer', '0');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'rgMS_OO', '0');
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'VersionSpr', 'демо-2024');

/* Users. The password system is off (Ust3 = "2"): everybody works with all
   rights until an administrator ticks "Включить систему паролей".
   Passwords are stored scrambled (character i, from 0, moves by 25 - i):
     sa    password 1234  (administrator, the reserved account)
     oper  password 1111  (sees every table, edits tables 1, 2 and 3 only) */
INSERT INTO UST3 (AUTOINC, A, B, C, D, E, F, G) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'sa', 'JJJJ', 'T', 'T', 'T', '', '');
INSERT INTO UST3 (AUTOINC, A, B, C, D, E, F, G) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'oper', 'JIHG', 'F', 'T', 'F', '1;2;3;', '');
