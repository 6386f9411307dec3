/* Control conditions and calculation formulas, evaluated on the server.
   KONT returns the violations of one control condition, CALC stores the
   values of one calculation formula. The language is taken apart by the
   functions of VexoUdf; the design is described in README.md beside this file. */

CREATE EXCEPTION VEXO_FORMULA 'Ошибка в формуле подсчета';

SET TERM ^ ;

/* Metadata year of a table's columns and rows for a reporting year, or null
   when every description of the table counts whatever its year. */
CREATE OR ALTER FUNCTION VEXO_METADATA_YEAR (NTBL INTEGER, YR INTEGER)
RETURNS INTEGER
AS
BEGIN
  IF (YR > 2012) THEN
  BEGIN
    IF (NTBL > 349) THEN RETURN IIF(YR >= 2019, 2019, YR);
    RETURN NULL;
  END
  IF (NTBL > 399) THEN
  BEGIN
    IF (YR = 2012) THEN RETURN 2012;
    IF (YR BETWEEN 2008 AND 2011) THEN RETURN YR;
    RETURN 2007;
  END
  RETURN NULL;
END^

/* Table number of a form code and a table code of the catalogue. */
CREATE OR ALTER FUNCTION VEXO_TABLE_NUMBER (FORMKOD VARCHAR(7), TBLKOD VARCHAR(6))
RETURNS INTEGER
AS
DECLARE N VARCHAR(3);
BEGIN
  SELECT FIRST 1 NTBL FROM TBLNAME WHERE FORMKOD = :FORMKOD AND TBLKOD = :TBLKOD ORDER BY NTBL INTO :N;
  IF (N IS NULL) THEN
    SELECT FIRST 1 NTBL FROM TBLNAMES WHERE FORMKOD = :FORMKOD AND TBLKOD = :TBLKOD ORDER BY NTBL INTO :N;
  IF (N IS NULL OR N NOT SIMILAR TO '[0-9]+') THEN RETURN NULL;
  RETURN CAST(N AS INTEGER);
END^

/* Data field behind a form column number of a table in a reporting year.
   Column numbers compare without leading zeros ("03" is column 3). When the
   year picks no single description, the one of that year, else the latest
   before it, else the earliest, is taken. */
CREATE OR ALTER FUNCTION VEXO_FIELD (NTBL INTEGER, NSTR VARCHAR(10), YR INTEGER)
RETURNS VARCHAR(10)
AS
DECLARE META INTEGER;
DECLARE COL VARCHAR(10);
DECLARE COL2 VARCHAR(10);
DECLARE ENG VARCHAR(10);
BEGIN
  COL = TRIM(LEADING '0' FROM TRIM(NSTR));
  IF (COL = '') THEN COL = '0';
  COL2 = LPAD(COL, 2, '0');
  META = VEXO_METADATA_YEAR(NTBL, YR);
  IF (META IS NOT NULL) THEN
    SELECT FIRST 1 ENG FROM COLUMNS WHERE TBL = :NTBL AND NSTR IN (:COL, :COL2) AND GOD = :META INTO :ENG;
  ELSE
    SELECT FIRST 1 ENG FROM COLUMNS WHERE TBL = :NTBL AND NSTR IN (:COL, :COL2)
     ORDER BY IIF(GOD = :YR, 0, IIF(GOD < :YR, 1, 2)), GOD DESC NULLS LAST
      INTO :ENG;
  RETURN LOWER(TRIM(ENG));
END^

/* Institution code of an institution field: a four-character member code
   names the codifier entry that carries it; anything else is the code itself. */
CREATE OR ALTER FUNCTION VEXO_INSTITUTION (FIELD VARCHAR(20))
RETURNS VARCHAR(8)
AS
DECLARE A VARCHAR(8);
BEGIN
  IF (CHAR_LENGTH(FIELD) = 4) THEN
    SELECT FIRST 1 A FROM KODIF WHERE C = :FIELD ORDER BY A INTO :A;
  RETURN COALESCE(A, FIELD);
END^

/* A placeholder field takes its number from the other field of the same
   reference: "{}" the same number, "mm()" and "vn()" the number mapped by
   the functions of those names. Empty when the mapping gives nothing. */
CREATE OR ALTER FUNCTION VEXO_PLACEHOLDER (FIELD VARCHAR(10), OTHER VARCHAR(10))
RETURNS VARCHAR(10)
AS
BEGIN
  IF (OTHER IS NULL OR OTHER = '' OR UPPER(OTHER) IN ('{}', 'VN()', 'MM()')) THEN RETURN '';
  IF (FIELD = '{}') THEN RETURN OTHER;
  IF (UPPER(FIELD) = 'MM()') THEN RETURN mm(OTHER);
  IF (UPPER(FIELD) = 'VN()') THEN RETURN vn(OTHER);
  RETURN FIELD;
END^

/* A number as the expression evaluator reads it, negatives in parentheses. */
CREATE OR ALTER FUNCTION VEXO_NUMBER_TEXT (V NUMERIC(18,2))
RETURNS VARCHAR(30)
AS
BEGIN
  IF (V < 0) THEN RETURN '(' || CAST(V AS VARCHAR(30)) || ')';
  RETURN CAST(V AS VARCHAR(30));
END^

/* Appends a part to a list of cells, stopping with "..." before the list
   would outgrow its field. */
CREATE OR ALTER FUNCTION VEXO_APPEND (S VARCHAR(4000), PART VARCHAR(4000), LIMIT_ INTEGER)
RETURNS VARCHAR(4000)
AS
BEGIN
  IF (PART IS NULL OR PART = '') THEN RETURN S;
  IF (S = '') THEN RETURN LEFT(PART, LIMIT_);
  IF (S LIKE '%...') THEN RETURN S;
  IF (CHAR_LENGTH(S) + CHAR_LENGTH(PART) + 2 > LIMIT_ - 5) THEN RETURN S || '; ...';
  RETURN S || '; ' || PART;
END^

/* One cell of entered (TBL) or consolidated (SVOD) data, and whether its
   table holds any data for the institution, period and year. Static
   statements: they are compiled once with the procedure. Rows of a list
   table with the same number add up. */
CREATE OR ALTER PROCEDURE VEXO_CELL (
  ISSVOD VARCHAR(1), NTBL INTEGER, LPU VARCHAR(8), PERIOD VARCHAR(5), GOD INTEGER, R VARCHAR(10), FIELD VARCHAR(10))
RETURNS (VAL NUMERIC(18,2), TXT VARCHAR(125), TABLE_HAS_DATA SMALLINT)
AS
BEGIN
  VAL = NULL;
  TXT = NULL;
  TABLE_HAS_DATA = 0;
  IF (ISSVOD = '+') THEN
  BEGIN
    IF (EXISTS (SELECT 1 FROM SVOD WHERE NTBL = :NTBL AND LPU = :LPU AND PERIOD = :PERIOD AND GOD = :GOD)) THEN
      TABLE_HAS_DATA = 1;
    SELECT
      DECODE(:FIELD, 'n1', SUM(N1), 'n2', SUM(N2), 'n3', SUM(N3), 'n4', SUM(N4), 'n5', SUM(N5), 'n6', SUM(N6),
        'n7', SUM(N7), 'n8', SUM(N8), 'n9', SUM(N9), 'n10', SUM(N10), 'n11', SUM(N11), 'n12', SUM(N12),
        'n13', SUM(N13), 'n14', SUM(N14), 'n15', SUM(N15), 'n16', SUM(N16), 'n17', SUM(N17), 'n18', SUM(N18),
        'n19', SUM(N19), 'n20', SUM(N20), 'n21', SUM(N21), 'n22', SUM(N22), 'n23', SUM(N23), 'n24', SUM(N24),
        'n25', SUM(N25), 'n26', SUM(N26), 'n27', SUM(N27), 'n28', SUM(N28), 'n29', SUM(N29), 'n30', SUM(N30)),
      DECODE(:FIELD, 'c1', MAX(C1), 'c2', MAX(C2), 'c3', MAX(C3), 'c4', MAX(C4), 'c5', MAX(C5), 'c6', MAX(C6),
        'c7', MAX(C7), 'c8', MAX(C8), 'c9', MAX(C9), 'c10', MAX(C10), 'c11', MAX(C11), 'c12', MAX(C12),
        's1', MAX(S1), 's2', MAX(S2), 's3', MAX(S3), 's4', MAX(S4), 's5', MAX(S5), 's6', MAX(S6),
        's7', MAX(S7), 's8', MAX(S8), 's9', MAX(S9), 's10', MAX(S10), 's11', MAX(S11), 's12', MAX(S12),
        's13', MAX(S13), 's14', MAX(S14), 's15', MAX(S15), 's16', MAX(S16), 's17', MAX(S17), 's18', MAX(S18),
        's19', MAX(S19), 's20', MAX(S20), 's21', MAX(S21), 's22', MAX(S22))
      FROM SVOD
     WHERE NTBL = :NTBL AND LPU = :LPU AND PERIOD = :PERIOD AND GOD = :GOD AND "ROW" = :R
      INTO :VAL, :TXT;
  END
  ELSE
  BEGIN
    IF (EXISTS (SELECT 1 FROM TBL WHERE NTBL = :NTBL AND LPU = :LPU AND PERIOD = :PERIOD AND GOD = :GOD)) THEN
      TABLE_HAS_DATA = 1;
    SELECT
      DECODE(:FIELD, 'n1', SUM(N1), 'n2', SUM(N2), 'n3', SUM(N3), 'n4', SUM(N4), 'n5', SUM(N5), 'n6', SUM(N6),
        'n7', SUM(N7), 'n8', SUM(N8), 'n9', SUM(N9), 'n10', SUM(N10), 'n11', SUM(N11), 'n12', SUM(N12),
        'n13', SUM(N13), 'n14', SUM(N14), 'n15', SUM(N15), 'n16', SUM(N16), 'n17', SUM(N17), 'n18', SUM(N18),
        'n19', SUM(N19), 'n20', SUM(N20), 'n21', SUM(N21), 'n22', SUM(N22), 'n23', SUM(N23), 'n24', SUM(N24),
        'n25', SUM(N25), 'n26', SUM(N26), 'n27', SUM(N27), 'n28', SUM(N28), 'n29', SUM(N29), 'n30', SUM(N30)),
      DECODE(:FIELD, 'c1', MAX(C1), 'c2', MAX(C2), 'c3', MAX(C3), 'c4', MAX(C4), 'c5', MAX(C5), 'c6', MAX(C6),
        'c7', MAX(C7), 'c8', MAX(C8), 'c9', MAX(C9), 'c10', MAX(C10), 'c11', MAX(C11), 'c12', MAX(C12),
        's1', MAX(S1), 's2', MAX(S2), 's3', MAX(S3), 's4', MAX(S4), 's5', MAX(S5), 's6', MAX(S6),
        's7', MAX(S7), 's8', MAX(S8), 's9', MAX(S9), 's10', MAX(S10), 's11', MAX(S11), 's12', MAX(S12),
        's13', MAX(S13), 's14', MAX(S14), 's15', MAX(S15), 's16', MAX(S16), 's17', MAX(S17), 's18', MAX(S18),
        's19', MAX(S19), 's20', MAX(S20), 's21', MAX(S21), 's22', MAX(S22))
      FROM TBL
     WHERE NTBL = :NTBL AND LPU = :LPU AND PERIOD = :PERIOD AND GOD = :GOD AND "ROW" = :R
      INTO :VAL, :TXT;
  END
END^

/* One variable of a condition at one cycle step: its value as an expression
   text (a term list becomes a parenthesised sum), the cells it read, and
   whether every table it reads holds data for the institution, period and
   year. Fields a reference leaves out are taken from the reference read
   before it in the same condition (the context, passed in and out). */
CREATE OR ALTER PROCEDURE VEXO_VARIABLE (
  VAR VARCHAR(1000), STEP INTEGER,
  CALL_YEAR INTEGER, CALL_LPU VARCHAR(8), CALL_PERIOD VARCHAR(5), ISSVOD VARCHAR(1),
  IN_FORM VARCHAR(10), IN_TBL VARCHAR(10), IN_ROW VARCHAR(10), IN_COL VARCHAR(10))
RETURNS (
  EXPR VARCHAR(2000), SHOWN VARCHAR(2000), TXT VARCHAR(254), IS_TEXT SMALLINT,
  REFS INTEGER, MISSING INTEGER, CELLS VARCHAR(2000), ERR VARCHAR(500),
  OUT_FORM VARCHAR(10), OUT_TBL VARCHAR(10), OUT_ROW VARCHAR(10), OUT_COL VARCHAR(10),
  TARGET_NTBL INTEGER, TARGET_LPU VARCHAR(8), TARGET_YEAR INTEGER, TARGET_ROW VARCHAR(10), TARGET_FIELD VARCHAR(10))
AS
DECLARE TERMS INTEGER;
DECLARE Q INTEGER;
DECLARE ZNAK VARCHAR(1);
DECLARE G VARCHAR(10);
DECLARE L VARCHAR(20);
DECLARE F VARCHAR(10);
DECLARE T VARCHAR(10);
DECLARE R VARCHAR(10);
DECLARE C VARCHAR(10);
DECLARE YR INTEGER;
DECLARE LPU VARCHAR(8);
DECLARE NTBL INTEGER;
DECLARE FIELD VARCHAR(10);
DECLARE VAL NUMERIC(18,2);
DECLARE ROWS_FOUND INTEGER;
DECLARE TABLE_ROWS INTEGER;
DECLARE ONE VARCHAR(30);
DECLARE ADDITIVE SMALLINT;
DECLARE TOTAL NUMERIC(18,2) = 0;
BEGIN
  EXPR = '';
  SHOWN = '';
  TXT = '';
  IS_TEXT = 0;
  REFS = 0;
  MISSING = 0;
  CELLS = '';
  ERR = NULL;
  OUT_FORM = IN_FORM;
  OUT_TBL = IN_TBL;
  OUT_ROW = IN_ROW;
  OUT_COL = IN_COL;

  IF (VAR IS NULL OR VAR = '') THEN EXIT;

  /* Constants: a text in apostrophes (whatever letters it holds), or a number. */
  IF (LEFT(VAR, 1) = '''') THEN
  BEGIN
    IS_TEXT = 1;
    TXT = SUBSTRING(VAR FROM 2 FOR CHAR_LENGTH(VAR) - 2);
    EXPR = '0';
    SHOWN = VAR;
    EXIT;
  END
  IF (POSITION(',' IN VAR) = 0 AND POSITION('П' IN VAR) = 0 AND POSITION('Н' IN VAR) = 0
      AND POSITION('+' IN VAR) = 0 AND POSITION('-' IN VAR) = 0) THEN
  BEGIN
    EXPR = VAR;
    SHOWN = VAR;
    EXIT;
  END

  TERMS = numvarcycle(VAR);
  ADDITIVE = IIF(POSITION('*' IN VAR) = 0 AND POSITION('/' IN VAR) = 0, 1, 0);
  IF (TERMS < 1) THEN
  BEGIN
    ERR = 'неверная запись ссылки ' || VAR;
    EXIT;
  END

  Q = 1;
  WHILE (Q <= TERMS) DO
  BEGIN
    ZNAK = coord(VAR, 'znak', STEP, Q);
    G = coord(VAR, 'god', CALL_YEAR, Q);
    L = coord(VAR, 'lpu', STEP, Q);
    F = coord(VAR, 'form', STEP, Q);
    T = coord(VAR, 'tbl', STEP, Q);
    R = coord(VAR, 'row', STEP, Q);
    C = coord(VAR, 'col', STEP, Q);

    /* The condition text is upper-cased before it is taken apart. */
    IF (UPPER(R) IN ('{}', 'VN()', 'MM()')) THEN R = VEXO_PLACEHOLDER(R, C);
    IF (UPPER(C) IN ('{}', 'VN()', 'MM()')) THEN C = TRIM(LEADING '0' FROM VEXO_PLACEHOLDER(C, R));
    IF (F = '' OR F = '0000000') THEN F = OUT_FORM;
    IF (T = '' OR T = '000000') THEN T = OUT_TBL;
    IF (R = '') THEN R = OUT_ROW;
    IF (C = '') THEN C = OUT_COL;
    IF (F IS NULL OR T IS NULL OR R IS NULL OR C IS NULL) THEN
    BEGIN
      ERR = 'в ссылке ' || VAR || ' не хватает формы, таблицы, строки или графы';
      EXIT;
    END
    IF (R SIMILAR TO '[0-9]+' AND CHAR_LENGTH(R) < 3) THEN R = LPAD(R, 3, '0');
    OUT_FORM = F;
    OUT_TBL = T;
    OUT_ROW = R;
    OUT_COL = C;

    IF (G = '') THEN YR = CALL_YEAR;
    ELSE IF (G SIMILAR TO '[0-9]{1,4}') THEN YR = CAST(G AS INTEGER);
    ELSE
    BEGIN
      ERR = 'неверный год в ссылке ' || VAR;
      EXIT;
    END
    LPU = IIF(L = '', CALL_LPU, VEXO_INSTITUTION(L));

    NTBL = VEXO_TABLE_NUMBER(F, T);
    IF (NTBL IS NULL) THEN
    BEGIN
      ERR = 'нет таблицы с кодом формы ' || F || ' и кодом таблицы ' || T;
      EXIT;
    END
    FIELD = VEXO_FIELD(NTBL, C, YR);
    IF (FIELD IS NULL) THEN
    BEGIN
      /* A column the table gained or lost in another year: this year's
         data has no such cell, so the condition does not apply to it. */
      IF (EXISTS (SELECT 1 FROM COLUMNS WHERE TBL = :NTBL AND
                  NSTR IN (TRIM(LEADING '0' FROM :C), LPAD(TRIM(LEADING '0' FROM :C), 2, '0')))) THEN
      BEGIN
        REFS = REFS + 1;
        MISSING = MISSING + 1;
        Q = Q + 1;
        CONTINUE;
      END
      ERR = 'в таблице ' || NTBL || ' нет графы ' || C;
      EXIT;
    END

    EXECUTE PROCEDURE VEXO_CELL (:ISSVOD, :NTBL, :LPU, :CALL_PERIOD, :YR, :R, :FIELD)
      RETURNING_VALUES :VAL, :TXT, :TABLE_ROWS;
    REFS = REFS + 1;
    IF (TABLE_ROWS = 0) THEN MISSING = MISSING + 1;
    IF (FIELD SIMILAR TO '(c|s)([1-9]|1[0-9]|2[0-2])') THEN
    BEGIN
      /* A text cell: compared as text, worth 0 in arithmetic. */
      IS_TEXT = 1;
      TXT = COALESCE(TRIM(TXT), '');
    END
    ELSE IF (FIELD NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN
    BEGIN
      ERR = 'графа ' || C || ' таблицы ' || NTBL || ' не числовая (' || FIELD || ')';
      EXIT;
    END
    /* An empty cell counts as 0. */
    VAL = COALESCE(VAL, 0);

    ONE = VEXO_NUMBER_TEXT(VAL);
    IF (ADDITIVE = 1) THEN
      /* Sums and differences add up here, however long the list. */
      TOTAL = TOTAL + IIF(ZNAK = '-', -VAL, VAL);
    ELSE
    BEGIN
      IF (Q > 1 OR ZNAK <> '+') THEN EXPR = EXPR || ZNAK;
      EXPR = EXPR || ONE;
    END
    IF (CHAR_LENGTH(SHOWN) < 1500) THEN
      SHOWN = SHOWN || IIF(Q > 1 OR ZNAK <> '+', ZNAK, '') || ONE;
    ELSE IF (SHOWN NOT LIKE '%...') THEN
      SHOWN = SHOWN || '...';
    CELLS = VEXO_APPEND(CELLS, 'ф.' || LEFT(F, 5) || ' т.' || SUBSTRING(T FROM 3 FOR 4) ||
                               ' стр.' || R || ' гр.' || C ||
                               IIF(YR <> CALL_YEAR, ' за ' || YR || ' г.', '') ||
                               IIF(LPU <> CALL_LPU, ' (' || LPU || ')', '') ||
                               ' = ' || IIF(IS_TEXT = 1, '''' || TXT || '''', CAST(VAL AS VARCHAR(30))), 2000);

    TARGET_NTBL = NTBL;
    TARGET_LPU = LPU;
    TARGET_YEAR = YR;
    TARGET_ROW = R;
    TARGET_FIELD = FIELD;
    Q = Q + 1;
  END
  IF (ADDITIVE = 1) THEN EXPR = VEXO_NUMBER_TEXT(TOTAL);
  ELSE EXPR = '(' || EXPR || ')';
  IF (TERMS > 1) THEN SHOWN = '(' || SHOWN || ')';
END^

/* One side of a condition at one cycle step: its value and the texts that
   show it. */
CREATE OR ALTER PROCEDURE VEXO_SIDE (
  SIDE VARCHAR(1000), STEP INTEGER,
  CALL_YEAR INTEGER, CALL_LPU VARCHAR(8), CALL_PERIOD VARCHAR(5), ISSVOD VARCHAR(1),
  IN_FORM VARCHAR(10), IN_TBL VARCHAR(10), IN_ROW VARCHAR(10), IN_COL VARCHAR(10))
RETURNS (
  VAL DOUBLE PRECISION, SHOWN VARCHAR(4000), TXT VARCHAR(254), IS_TEXT SMALLINT, SINGLE SMALLINT,
  REFS INTEGER, MISSING INTEGER, CELLS VARCHAR(4000), ERR VARCHAR(500),
  OUT_FORM VARCHAR(10), OUT_TBL VARCHAR(10), OUT_ROW VARCHAR(10), OUT_COL VARCHAR(10))
AS
DECLARE NAMES VARCHAR(4000);
DECLARE VALS VARCHAR(8000) = '';
DECLARE SHOWS VARCHAR(8000) = '';
DECLARE N INTEGER;
DECLARE I INTEGER;
DECLARE V VARCHAR(1000);
DECLARE E VARCHAR(2000);
DECLARE S VARCHAR(2000);
DECLARE T VARCHAR(254);
DECLARE TX SMALLINT;
DECLARE RF INTEGER;
DECLARE MS INTEGER;
DECLARE CL VARCHAR(2000);
DECLARE ER VARCHAR(500);
DECLARE X1 INTEGER;
DECLARE X2 VARCHAR(8);
DECLARE X3 INTEGER;
DECLARE X4 VARCHAR(10);
DECLARE X5 VARCHAR(10);
DECLARE TEXTS INTEGER = 0;
BEGIN
  REFS = 0;
  MISSING = 0;
  CELLS = '';
  ERR = NULL;
  TXT = '';
  IS_TEXT = 0;
  OUT_FORM = IN_FORM;
  OUT_TBL = IN_TBL;
  OUT_ROW = IN_ROW;
  OUT_COL = IN_COL;
  NAMES = vars(SIDE);
  N = numvars(NAMES);
  SINGLE = IIF(N = 1, 1, 0);
  I = 1;
  WHILE (I <= N) DO
  BEGIN
    V = getvar(NAMES, I);
    EXECUTE PROCEDURE VEXO_VARIABLE (:V, :STEP, :CALL_YEAR, :CALL_LPU, :CALL_PERIOD, :ISSVOD,
                                     :OUT_FORM, :OUT_TBL, :OUT_ROW, :OUT_COL)
      RETURNING_VALUES :E, :S, :T, :TX, :RF, :MS, :CL, :ER, :OUT_FORM, :OUT_TBL, :OUT_ROW, :OUT_COL,
                       :X1, :X2, :X3, :X4, :X5;
    IF (ER IS NOT NULL) THEN
    BEGIN
      ERR = ER;
      EXIT;
    END
    VALS = VALS || E || '$';
    SHOWS = SHOWS || S || '$';
    REFS = REFS + RF;
    MISSING = MISSING + MS;
    CELLS = VEXO_APPEND(CELLS, CL, 4000);
    IF (TX = 1) THEN
    BEGIN
      TEXTS = TEXTS + 1;
      TXT = T;
    END
    I = I + 1;
  END
  IS_TEXT = IIF(TEXTS > 0, 1, 0);
  VAL = calc_expression2(calc_expression(SIDE, NAMES, VALS));
  SHOWN = calc_expression(SIDE, NAMES, SHOWS);
END^

/* Whether two rounded values stand in the relation of a comparison sign.
   ";" joins relative indicators: they agree when they differ by 0.1 at most. */
CREATE OR ALTER FUNCTION VEXO_HOLDS (L DOUBLE PRECISION, SIGN_ VARCHAR(2), R DOUBLE PRECISION)
RETURNS SMALLINT
AS
DECLARE D DOUBLE PRECISION;
BEGIN
  /* Both sides are rounded to hundredths; what is left is representation noise. */
  D = L - R;
  IF (SIGN_ = '=') THEN RETURN IIF(ABS(D) < 0.005, 1, 0);
  IF (SIGN_ = '<>') THEN RETURN IIF(ABS(D) >= 0.005, 1, 0);
  IF (SIGN_ = '>=') THEN RETURN IIF(D > -0.005, 1, 0);
  IF (SIGN_ = '<=') THEN RETURN IIF(D < 0.005, 1, 0);
  IF (SIGN_ = '>') THEN RETURN IIF(D >= 0.005, 1, 0);
  IF (SIGN_ = '<') THEN RETURN IIF(D <= -0.005, 1, 0);
  IF (SIGN_ = ';') THEN RETURN IIF(ABS(D) <= 0.1 + 0.005, 1, 0);
  RETURN 1;
END^

/* The same for texts. */
CREATE OR ALTER FUNCTION VEXO_HOLDS_TEXT (L VARCHAR(254), SIGN_ VARCHAR(2), R VARCHAR(254))
RETURNS SMALLINT
AS
BEGIN
  /* Condition texts lose their case and blanks when normalised: so do the cells. */
  L = REPLACE(UPPER(COALESCE(L, '')), ' ', '');
  R = REPLACE(UPPER(COALESCE(R, '')), ' ', '');
  IF (SIGN_ IN ('=', ';')) THEN RETURN IIF(L = R, 1, 0);
  IF (SIGN_ = '<>') THEN RETURN IIF(L <> R, 1, 0);
  IF (SIGN_ = '>=') THEN RETURN IIF(L >= R, 1, 0);
  IF (SIGN_ = '<=') THEN RETURN IIF(L <= R, 1, 0);
  IF (SIGN_ = '>') THEN RETURN IIF(L > R, 1, 0);
  IF (SIGN_ = '<') THEN RETURN IIF(L < R, 1, 0);
  RETURN 1;
END^

/* Number of cycle steps of a condition side: the longest cycle of its
   variables (a variable without a cycle is the same cell at every step);
   0 when a cycle is written wrongly. */
CREATE OR ALTER FUNCTION VEXO_STEPS (SIDE VARCHAR(1000))
RETURNS INTEGER
AS
DECLARE NAMES VARCHAR(4000);
DECLARE N INTEGER;
DECLARE I INTEGER = 1;
DECLARE K INTEGER;
DECLARE V VARCHAR(1000);
DECLARE STEPS INTEGER = 1;
BEGIN
  NAMES = vars(SIDE);
  N = numvars(NAMES);
  WHILE (I <= N) DO
  BEGIN
    V = getvar(NAMES, I);
    IF (V <> '' AND POSITION(',' IN V) > 0) THEN
    BEGIN
      K = numcycle(V);
      IF (K < 1) THEN RETURN 0;
      IF (K > STEPS) THEN STEPS = K;
    END
    I = I + 1;
  END
  RETURN STEPS;
END^

/* Violations of one control condition for one institution (or consolidation),
   period and year: one row per violated cycle step; none when the condition
   holds or does not apply because a table it reads has no data. A condition
   that cannot be read yields one row saying why. */
CREATE OR ALTER PROCEDURE KONT (
  ONESOME VARCHAR(4), LPU VARCHAR(8), PERIOD VARCHAR(5), GOD VARCHAR(4), ISSVOD VARCHAR(1),
  THEME VARCHAR(3), NFORMULA VARCHAR(20))
RETURNS (REFORM_FORMULA VARCHAR(4000), EXT_NUMS VARCHAR(500), NUMS VARCHAR(8000))
AS
DECLARE NUM VARCHAR(8);
DECLARE A2 VARCHAR(254);
DECLARE TXT VARCHAR(1000);
DECLARE SIGN_ VARCHAR(2);
DECLARE LEFT_ VARCHAR(1000);
DECLARE RIGHT_ VARCHAR(1000);
DECLARE STEPS INTEGER;
DECLARE K INTEGER;
DECLARE STEP INTEGER;
DECLARE YR INTEGER;
DECLARE PER VARCHAR(5);
DECLARE LV DOUBLE PRECISION;
DECLARE LS VARCHAR(4000);
DECLARE LT VARCHAR(254);
DECLARE LX SMALLINT;
DECLARE L1 SMALLINT;
DECLARE LR INTEGER;
DECLARE LM INTEGER;
DECLARE LC VARCHAR(4000);
DECLARE RV DOUBLE PRECISION;
DECLARE RS VARCHAR(4000);
DECLARE RT VARCHAR(254);
DECLARE RX SMALLINT;
DECLARE R1 SMALLINT;
DECLARE RR INTEGER;
DECLARE RM INTEGER;
DECLARE RC VARCHAR(4000);
DECLARE ER VARCHAR(500);
DECLARE F VARCHAR(10);
DECLARE T VARCHAR(10);
DECLARE R VARCHAR(10);
DECLARE C VARCHAR(10);
DECLARE HOLDS SMALLINT;
BEGIN
  NUM = LEFT(NFORMULA, 8);
  SELECT A2 FROM POKAZ WHERE A1 = :NUM INTO :A2;
  IF (A2 IS NULL) THEN EXIT;
  YR = CAST(TRIM(GOD) AS INTEGER);
  PER = TRIM(PERIOD);
  TXT = reform(A2);
  SIGN_ = razd(TXT, 0);
  IF (SIGN_ = '') THEN
  BEGIN
    REFORM_FORMULA = 'Ошибка в условии: нет знака сравнения';
    EXT_NUMS = '';
    NUMS = '';
    SUSPEND;
    EXIT;
  END
  /* Relative indicators only when asked for. */
  IF (razd(TXT, 3) = '-' AND POSITION('$+$' IN NFORMULA) = 0) THEN EXIT;
  LEFT_ = razd(TXT, 1);
  RIGHT_ = razd(TXT, 2);

  STEPS = VEXO_STEPS(LEFT_);
  K = VEXO_STEPS(RIGHT_);
  IF (STEPS = 0 OR K = 0) THEN
  BEGIN
    REFORM_FORMULA = 'Ошибка в условии: неверно записан цикл';
    EXT_NUMS = '';
    NUMS = '';
    SUSPEND;
    EXIT;
  END
  IF (K > STEPS) THEN STEPS = K;

  STEP = 1;
  WHILE (STEP <= STEPS) DO
  BEGIN
    F = NULL;
    T = NULL;
    R = NULL;
    C = NULL;
    EXECUTE PROCEDURE VEXO_SIDE (:LEFT_, :STEP, :YR, :LPU, :PER, :ISSVOD, :F, :T, :R, :C)
      RETURNING_VALUES :LV, :LS, :LT, :LX, :L1, :LR, :LM, :LC, :ER, :F, :T, :R, :C;
    IF (ER IS NULL) THEN
      EXECUTE PROCEDURE VEXO_SIDE (:RIGHT_, :STEP, :YR, :LPU, :PER, :ISSVOD, :F, :T, :R, :C)
        RETURNING_VALUES :RV, :RS, :RT, :RX, :R1, :RR, :RM, :RC, :ER, :F, :T, :R, :C;
    IF (ER IS NOT NULL) THEN
    BEGIN
      REFORM_FORMULA = 'Ошибка в условии: ' || ER;
      EXT_NUMS = '';
      NUMS = '';
      SUSPEND;
      EXIT;
    END
    /* Applies when it reads something and every table it reads holds data. */
    IF (LR + RR > 0 AND LM + RM = 0) THEN
    BEGIN
      IF ((LX = 1 AND L1 = 1) OR (RX = 1 AND R1 = 1)) THEN
        HOLDS = VEXO_HOLDS_TEXT(LT, SIGN_, RT);
      ELSE
        HOLDS = VEXO_HOLDS(LV, SIGN_, RV);
      IF (HOLDS = 0) THEN
      BEGIN
        REFORM_FORMULA = LS || ' ' || SIGN_ || ' ' || RS;
        IF ((LX = 1 AND L1 = 1) OR (RX = 1 AND R1 = 1)) THEN
          EXT_NUMS = '''' || LT || ''' ' || SIGN_ || ' ''' || RT || '''';
        ELSE
          EXT_NUMS = 'Левая часть: ' || CAST(CAST(LV AS NUMERIC(18,2)) AS VARCHAR(30)) ||
                     ', правая часть: ' || CAST(CAST(RV AS NUMERIC(18,2)) AS VARCHAR(30)) ||
                     ', разность: ' || CAST(CAST(LV - RV AS NUMERIC(18,2)) AS VARCHAR(30));
        NUMS = IIF(STEPS > 1, 'Шаг ' || STEP || ' из ' || STEPS || '. ', '') || VEXO_APPEND(LC, RC, 4000);
        SUSPEND;
      END
    END
    STEP = STEP + 1;
  END
END^

/* Applies one calculation formula: per cycle step the right side is
   evaluated and stored into the cell the left side names, when that row
   exists and every table the right side reads holds data. Consolidated
   single-row data also updates the consolidation's scratch rows. */
CREATE OR ALTER PROCEDURE CALC (
  ONESOME VARCHAR(4), LPU VARCHAR(8), PERIOD VARCHAR(5), GOD INTEGER, ISSVOD VARCHAR(1),
  THEME VARCHAR(3), NFORMULA VARCHAR(20))
AS
DECLARE NUM VARCHAR(8);
DECLARE A2 VARCHAR(254);
DECLARE TXT VARCHAR(1000);
DECLARE LEFT_ VARCHAR(1000);
DECLARE RIGHT_ VARCHAR(1000);
DECLARE STEPS INTEGER;
DECLARE K INTEGER;
DECLARE STEP INTEGER;
DECLARE PER VARCHAR(5);
DECLARE E VARCHAR(2000);
DECLARE S VARCHAR(2000);
DECLARE TT VARCHAR(254);
DECLARE TX SMALLINT;
DECLARE RF INTEGER;
DECLARE MS INTEGER;
DECLARE CL VARCHAR(2000);
DECLARE ER VARCHAR(500);
DECLARE F VARCHAR(10);
DECLARE T VARCHAR(10);
DECLARE R VARCHAR(10);
DECLARE C VARCHAR(10);
DECLARE T_NTBL INTEGER;
DECLARE T_LPU VARCHAR(8);
DECLARE T_YEAR INTEGER;
DECLARE T_ROW VARCHAR(10);
DECLARE T_FIELD VARCHAR(10);
DECLARE RV DOUBLE PRECISION;
DECLARE RS VARCHAR(4000);
DECLARE RT VARCHAR(254);
DECLARE RX SMALLINT;
DECLARE R1 SMALLINT;
DECLARE RR INTEGER;
DECLARE RM INTEGER;
DECLARE RC VARCHAR(4000);
DECLARE VAL NUMERIC(18,2);
BEGIN
  NUM = LEFT(NFORMULA, 8);
  SELECT A2 FROM POKAZC WHERE A1 = :NUM INTO :A2;
  IF (A2 IS NULL) THEN EXIT;
  PER = TRIM(PERIOD);
  TXT = reform(A2);
  IF (razd(TXT, 0) <> '=') THEN
    EXCEPTION VEXO_FORMULA 'Формула ' || NUM || ' не задает ячейку знаком "=": ' || A2;
  LEFT_ = razd(TXT, 1);
  RIGHT_ = razd(TXT, 2);
  IF (numvars(vars(LEFT_)) <> 1 OR numvarcycle(getvar(vars(LEFT_), 1)) <> 1) THEN
    EXCEPTION VEXO_FORMULA 'Формула ' || NUM || ': слева от "=" должна стоять одна ячейка: ' || A2;

  STEPS = VEXO_STEPS(LEFT_);
  K = VEXO_STEPS(RIGHT_);
  IF (STEPS = 0 OR K = 0) THEN
    EXCEPTION VEXO_FORMULA 'Формула ' || NUM || ': неверно записан цикл: ' || A2;
  IF (K > STEPS) THEN STEPS = K;

  STEP = 1;
  WHILE (STEP <= STEPS) DO
  BEGIN
    F = NULL;
    T = NULL;
    R = NULL;
    C = NULL;
    EXECUTE PROCEDURE VEXO_VARIABLE (:LEFT_, :STEP, :GOD, :LPU, :PER, :ISSVOD, :F, :T, :R, :C)
      RETURNING_VALUES :E, :S, :TT, :TX, :RF, :MS, :CL, :ER, :F, :T, :R, :C,
                       :T_NTBL, :T_LPU, :T_YEAR, :T_ROW, :T_FIELD;
    IF (ER IS NULL) THEN
      EXECUTE PROCEDURE VEXO_SIDE (:RIGHT_, :STEP, :GOD, :LPU, :PER, :ISSVOD, :F, :T, :R, :C)
        RETURNING_VALUES :RV, :RS, :RT, :RX, :R1, :RR, :RM, :RC, :ER, :F, :T, :R, :C;
    IF (ER IS NOT NULL) THEN
      EXCEPTION VEXO_FORMULA 'Формула ' || NUM || ': ' || ER;
    IF (T_FIELD IS NULL OR T_FIELD NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN
      EXCEPTION VEXO_FORMULA 'Формула ' || NUM || ': ячейка слева не числовая';
    IF (MS = 0 AND RM = 0) THEN
    BEGIN
      VAL = RV;
      IF (ISSVOD = '+') THEN
      BEGIN
        EXECUTE STATEMENT ('update SVOD set ' || T_FIELD || ' = ? where NTBL = ? and LPU = ? and PERIOD = ? and GOD = ? and "ROW" = ?')
          (VAL, T_NTBL, T_LPU, PER, T_YEAR, T_ROW);
        IF (ONESOME = 'one') THEN
          EXECUTE STATEMENT ('update TEMP set ' || T_FIELD || ' = ? where NTBL = ? and LPU = ? and PERIOD = ? and GOD = ? and "ROW" = ?')
            (VAL, T_NTBL, T_LPU, PER, T_YEAR, T_ROW);
      END
      ELSE
        EXECUTE STATEMENT ('update TBL set ' || T_FIELD || ' = ? where NTBL = ? and LPU = ? and PERIOD = ? and GOD = ? and "ROW" = ?')
          (VAL, T_NTBL, T_LPU, PER, T_YEAR, T_ROW);
    END
    STEP = STEP + 1;
  END
END^

SET TERM ; ^
