/* Settings every installation starts with. */
INSERT INTO NASTR (AUTOINC, A, B) VALUES (GEN_ID(GEN_COLUMNS_ID, 1), 'Version', '3.78');
