/* Consolidation procedures: the period combination of averaged, first- and
   last-value columns, and reading and writing of single cells. They run in
   the caller's transaction and keep no state. */

SET TERM ^ ;

/* Component periods of a consolidation period, in order, by the number of
   periods of the year (4 for quarters, 12 for months). Other pairs give none. */
CREATE OR ALTER PROCEDURE COMPONENT_PERIODS (INPERIOD VARCHAR(3), NUMPER INTEGER)
RETURNS (POS INTEGER, PERIOD VARCHAR(3))
AS
DECLARE VARIABLE LIST VARCHAR(60) = '';
DECLARE VARIABLE I INTEGER;
BEGIN
  IF (NUMPER = 4) THEN
    LIST = CASE INPERIOD
      WHEN '1-3' THEN 'I  II III'
      WHEN 'Iп' THEN 'I  II '
      WHEN 'IIп' THEN 'IIIIV '
      WHEN 'год' THEN 'I  II IIIIV '
      ELSE '' END;
  ELSE IF (NUMPER = 12) THEN
    LIST = CASE INPERIOD
      WHEN '102' THEN '01 02 '
      WHEN '104' THEN '01 02 03 04 '
      WHEN '105' THEN '01 02 03 04 05 '
      WHEN '107' THEN '01 02 03 04 05 06 07 '
      WHEN '108' THEN '01 02 03 04 05 06 07 08 '
      WHEN '110' THEN '01 02 03 04 05 06 07 08 09 10 '
      WHEN '111' THEN '01 02 03 04 05 06 07 08 09 10 11 '
      WHEN '1-3' THEN '01 02 03 04 05 06 07 08 09 '
      WHEN 'I' THEN '01 02 03 '
      WHEN 'II' THEN '04 05 06 '
      WHEN 'III' THEN '07 08 09 '
      WHEN 'IV' THEN '10 11 12 '
      WHEN 'Iп' THEN '01 02 03 04 05 06 '
      WHEN 'IIп' THEN '07 08 09 10 11 12 '
      WHEN 'год' THEN '01 02 03 04 05 06 07 08 09 10 11 12 '
      ELSE '' END;
  /* Three characters a period, trailing blanks dropped. */
  I = 1;
  WHILE (I * 3 <= CHAR_LENGTH(LIST)) DO
  BEGIN
    POS = I;
    PERIOD = TRIM(SUBSTRING(LIST FROM I * 3 - 2 FOR 3));
    SUSPEND;
    I = I + 1;
  END
END^

/* Average of one column over the component periods of a single-row table,
   read from SVOD; the result goes to the consolidation row and its scratch
   rows. The divisor is the number of component periods that hold the table. */
CREATE OR ALTER PROCEDURE AVGONEUPDATE (
  INENG VARCHAR(10), INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6),
  INPERIOD VARCHAR(3), NUMPER INTEGER,
  P1 VARCHAR(3), P2 VARCHAR(3), P3 VARCHAR(3), P4 VARCHAR(3), P5 VARCHAR(3), P6 VARCHAR(3), P7 VARCHAR(3), P8 VARCHAR(3), P9 VARCHAR(3), P10 VARCHAR(3), P11 VARCHAR(3), P12 VARCHAR(3))
AS
DECLARE VARIABLE CNT INTEGER;
DECLARE VARIABLE TOTAL NUMERIC(18,2);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE VAL NUMERIC(18,2);
BEGIN
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;
  /* With NUMPER 4 only P1..P4 count: the rest are blanked. */
  IF (NUMPER = 4) THEN
  BEGIN
    P5 = ' '; P6 = ' '; P7 = ' '; P8 = ' '; P9 = ' '; P10 = ' '; P11 = ' '; P12 = ' ';
  END
  ELSE IF (NUMPER IS DISTINCT FROM 12) THEN
    EXIT;
  SELECT COUNT(DISTINCT PERIOD) FROM SVOD
   WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU AND "ROW" = '001'
     AND PERIOD IN (:P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12)
    INTO :CNT;
  /* One row expected: several rows here mean the table is not single-row, and the statement fails. */
  EXECUTE STATEMENT ('select "ROW", sum(' || INENG || ') from SVOD where NTBL = ? and GOD = ? and LPU = ?'
      || ' and PERIOD in (?,?,?,?,?,?,?,?,?,?,?,?) group by "ROW"')
    (INNTBL, INGOD, INLPU, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11, P12)
    INTO :R, :TOTAL;
  IF (R IS NULL) THEN EXIT;
  /* Extra decimals before the assignment, so the average is rounded, not truncated. */
  IF (CNT = 0) THEN VAL = 0; ELSE VAL = CAST(TOTAL AS NUMERIC(18,4)) / CNT;
  EXECUTE STATEMENT ('update TEMP set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
    (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
  EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
    (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
END^

/* Average of one column over the component periods of a single-row table,
   read from TBL; the result goes to the consolidation row and its scratch
   rows. The divisor is the number of component periods that hold the table. */
CREATE OR ALTER PROCEDURE AVGONEUPDATE2 (
  INENG VARCHAR(10), INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6),
  INPERIOD VARCHAR(3), NUMPER INTEGER,
  P1 VARCHAR(3), P2 VARCHAR(3), P3 VARCHAR(3), P4 VARCHAR(3), P5 VARCHAR(3), P6 VARCHAR(3), P7 VARCHAR(3), P8 VARCHAR(3), P9 VARCHAR(3), P10 VARCHAR(3), P11 VARCHAR(3), P12 VARCHAR(3))
AS
DECLARE VARIABLE CNT INTEGER;
DECLARE VARIABLE TOTAL NUMERIC(18,2);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE VAL NUMERIC(18,2);
BEGIN
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;
  /* With NUMPER 4 only P1..P4 count: the rest are blanked. */
  IF (NUMPER = 4) THEN
  BEGIN
    P5 = ' '; P6 = ' '; P7 = ' '; P8 = ' '; P9 = ' '; P10 = ' '; P11 = ' '; P12 = ' ';
  END
  ELSE IF (NUMPER IS DISTINCT FROM 12) THEN
    EXIT;
  SELECT COUNT(DISTINCT PERIOD) FROM TBL
   WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU AND "ROW" = '001'
     AND PERIOD IN (:P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12)
    INTO :CNT;
  /* One row expected: several rows here mean the table is not single-row, and the statement fails. */
  EXECUTE STATEMENT ('select "ROW", sum(' || INENG || ') from TBL where NTBL = ? and GOD = ? and LPU = ?'
      || ' and PERIOD in (?,?,?,?,?,?,?,?,?,?,?,?) group by "ROW"')
    (INNTBL, INGOD, INLPU, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11, P12)
    INTO :R, :TOTAL;
  IF (R IS NULL) THEN EXIT;
  /* Extra decimals before the assignment, so the average is rounded, not truncated. */
  IF (CNT = 0) THEN VAL = 0; ELSE VAL = CAST(TOTAL AS NUMERIC(18,4)) / CNT;
  EXECUTE STATEMENT ('update TEMP set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
    (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
  EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
    (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
END^

/* Average of one column over the component periods of a multi-row table, read
   from SVOD, row by row in display order. Every row is divided by the number of
   component periods that hold row 001. */
CREATE OR ALTER PROCEDURE AVGUPDATE (
  INENG VARCHAR(10), INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6),
  INPERIOD VARCHAR(3), NUMPER INTEGER,
  P1 VARCHAR(3), P2 VARCHAR(3), P3 VARCHAR(3), P4 VARCHAR(3), P5 VARCHAR(3), P6 VARCHAR(3), P7 VARCHAR(3), P8 VARCHAR(3), P9 VARCHAR(3), P10 VARCHAR(3), P11 VARCHAR(3), P12 VARCHAR(3))
AS
DECLARE VARIABLE CNT INTEGER;
DECLARE VARIABLE TOTAL NUMERIC(18,2);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE ITEM SMALLINT;
DECLARE VARIABLE VAL NUMERIC(18,2);
BEGIN
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;
  IF (NUMPER = 4) THEN
  BEGIN
    P5 = ' '; P6 = ' '; P7 = ' '; P8 = ' '; P9 = ' '; P10 = ' '; P11 = ' '; P12 = ' ';
  END
  ELSE IF (NUMPER IS DISTINCT FROM 12) THEN
    EXIT;
  SELECT COUNT(DISTINCT PERIOD) FROM SVOD
   WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU AND "ROW" = '001'
     AND PERIOD IN (:P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12)
    INTO :CNT;
  /* The row descriptions may exist for several metadata years: each row code
     counts once, so sums are never multiplied by the number of versions. */
  FOR EXECUTE STATEMENT ('select d.R, w.ITEM, d.TOTAL from'
      || ' (select "ROW" R, sum(' || INENG || ') TOTAL from SVOD where NTBL = ? and GOD = ? and LPU = ?'
      || '   and PERIOD in (?,?,?,?,?,?,?,?,?,?,?,?) group by "ROW") d'
      || ' join (select A, min(ITEM) ITEM from "ROWS" where TBL = ? group by A) w on w.A = d.R'
      || ' order by w.ITEM')
    (INNTBL, INGOD, INLPU, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11, P12, INNTBL)
    INTO :R, :ITEM, :TOTAL
  DO
  BEGIN
    IF (CNT = 0) THEN VAL = 0; ELSE VAL = CAST(TOTAL AS NUMERIC(18,4)) / CNT;
    EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
  END
END^

/* Average of one column over the component periods of a multi-row table, read
   from TBL, row by row in display order. Every row is divided by the number of
   component periods that hold row 001. */
CREATE OR ALTER PROCEDURE AVGUPDATE2 (
  INENG VARCHAR(10), INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6),
  INPERIOD VARCHAR(3), NUMPER INTEGER,
  P1 VARCHAR(3), P2 VARCHAR(3), P3 VARCHAR(3), P4 VARCHAR(3), P5 VARCHAR(3), P6 VARCHAR(3), P7 VARCHAR(3), P8 VARCHAR(3), P9 VARCHAR(3), P10 VARCHAR(3), P11 VARCHAR(3), P12 VARCHAR(3))
AS
DECLARE VARIABLE CNT INTEGER;
DECLARE VARIABLE TOTAL NUMERIC(18,2);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE ITEM SMALLINT;
DECLARE VARIABLE VAL NUMERIC(18,2);
BEGIN
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;
  IF (NUMPER = 4) THEN
  BEGIN
    P5 = ' '; P6 = ' '; P7 = ' '; P8 = ' '; P9 = ' '; P10 = ' '; P11 = ' '; P12 = ' ';
  END
  ELSE IF (NUMPER IS DISTINCT FROM 12) THEN
    EXIT;
  SELECT COUNT(DISTINCT PERIOD) FROM TBL
   WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU AND "ROW" = '001'
     AND PERIOD IN (:P1, :P2, :P3, :P4, :P5, :P6, :P7, :P8, :P9, :P10, :P11, :P12)
    INTO :CNT;
  /* The row descriptions may exist for several metadata years: each row code
     counts once, so sums are never multiplied by the number of versions. */
  FOR EXECUTE STATEMENT ('select d.R, w.ITEM, d.TOTAL from'
      || ' (select "ROW" R, sum(' || INENG || ') TOTAL from TBL where NTBL = ? and GOD = ? and LPU = ?'
      || '   and PERIOD in (?,?,?,?,?,?,?,?,?,?,?,?) group by "ROW") d'
      || ' join (select A, min(ITEM) ITEM from "ROWS" where TBL = ? group by A) w on w.A = d.R'
      || ' order by w.ITEM')
    (INNTBL, INGOD, INLPU, P1, P2, P3, P4, P5, P6, P7, P8, P9, P10, P11, P12, INNTBL)
    INTO :R, :ITEM, :TOTAL
  DO
  BEGIN
    IF (CNT = 0) THEN VAL = 0; ELSE VAL = CAST(TOTAL AS NUMERIC(18,4)) / CNT;
    EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
  END
END^

/* Period combination of one column of a consolidation: after the client has
   summed the component periods, a column counted as "beg" or "end" takes the
   value of the first or last component period that holds the table, and "avg"
   the average over them. Component values come from TBL. */
CREATE OR ALTER PROCEDURE UPDATESVOD2 (
  INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6), INENG VARCHAR(10),
  ONESOME VARCHAR(4), INPERIOD VARCHAR(3), PER VARCHAR(1000), NUMPER INTEGER)
AS
DECLARE VARIABLE RULE VARCHAR(3);
DECLARE VARIABLE POS INTEGER;
DECLARE VARIABLE P VARCHAR(3);
DECLARE VARIABLE SRC VARCHAR(3);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE ITEM SMALLINT;
DECLARE VARIABLE VAL NUMERIC(18,2);
DECLARE VARIABLE PP1 VARCHAR(3) = ' '; DECLARE VARIABLE PP2 VARCHAR(3) = ' ';
DECLARE VARIABLE PP3 VARCHAR(3) = ' '; DECLARE VARIABLE PP4 VARCHAR(3) = ' ';
DECLARE VARIABLE PP5 VARCHAR(3) = ' '; DECLARE VARIABLE PP6 VARCHAR(3) = ' ';
DECLARE VARIABLE PP7 VARCHAR(3) = ' '; DECLARE VARIABLE PP8 VARCHAR(3) = ' ';
DECLARE VARIABLE PP9 VARCHAR(3) = ' '; DECLARE VARIABLE PP10 VARCHAR(3) = ' ';
DECLARE VARIABLE PP11 VARCHAR(3) = ' '; DECLARE VARIABLE PP12 VARCHAR(3) = ' ';
BEGIN

  /* A column listed in several metadata versions makes this lookup fail. */
  SELECT COUNTAS FROM COLUMNS WHERE TBL = :INNTBL AND ENG = :INENG INTO :RULE;
  IF (RULE IS DISTINCT FROM 'beg' AND RULE IS DISTINCT FROM 'end' AND RULE IS DISTINCT FROM 'avg') THEN EXIT;
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;

  IF (RULE = 'avg') THEN
  BEGIN
    FOR SELECT POS, PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) INTO :POS, :P DO
    BEGIN
      IF (POS = 1) THEN PP1 = P; ELSE IF (POS = 2) THEN PP2 = P; ELSE IF (POS = 3) THEN PP3 = P;
      ELSE IF (POS = 4) THEN PP4 = P; ELSE IF (POS = 5) THEN PP5 = P; ELSE IF (POS = 6) THEN PP6 = P;
      ELSE IF (POS = 7) THEN PP7 = P; ELSE IF (POS = 8) THEN PP8 = P; ELSE IF (POS = 9) THEN PP9 = P;
      ELSE IF (POS = 10) THEN PP10 = P; ELSE IF (POS = 11) THEN PP11 = P; ELSE IF (POS = 12) THEN PP12 = P;
    END
    IF (ONESOME = 'one') THEN
      EXECUTE PROCEDURE AVGONEUPDATE2 (:INENG, :INNTBL, :INGOD, :INLPU, :INPERIOD, :NUMPER,
        :PP1, :PP2, :PP3, :PP4, :PP5, :PP6, :PP7, :PP8, :PP9, :PP10, :PP11, :PP12);
    ELSE
      EXECUTE PROCEDURE AVGUPDATE2 (:INENG, :INNTBL, :INGOD, :INLPU, :INPERIOD, :NUMPER,
        :PP1, :PP2, :PP3, :PP4, :PP5, :PP6, :PP7, :PP8, :PP9, :PP10, :PP11, :PP12);
    EXIT;
  END

  /* "beg" walks the component periods forwards, "end" backwards. */
  SRC = NULL;
  IF (RULE = 'beg') THEN
    FOR SELECT PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) ORDER BY POS INTO :P DO
    BEGIN
      IF (EXISTS (SELECT 1 FROM TBL WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU
                    AND PERIOD = :P AND "ROW" = '001')) THEN
      BEGIN
        SRC = P;
        LEAVE;
      END
    END
  ELSE
    FOR SELECT PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) ORDER BY POS DESC INTO :P DO
    BEGIN
      IF (EXISTS (SELECT 1 FROM TBL WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU
                    AND PERIOD = :P AND "ROW" = '001')) THEN
      BEGIN
        SRC = P;
        LEAVE;
      END
    END
  IF (SRC IS NULL) THEN EXIT;

  IF (ONESOME = 'one') THEN
  BEGIN
    /* One row expected: a multi-row table here makes the statement fail. */
    EXECUTE STATEMENT ('select ' || INENG || ' from TBL where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (INNTBL, INGOD, INLPU, SRC) INTO :VAL;
    EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD);
    EXECUTE STATEMENT ('update TEMP set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD);
  END
  ELSE
    FOR EXECUTE STATEMENT ('select d."ROW", w.ITEM, d.' || INENG || ' from TBL d'
        || ' join (select A, min(ITEM) ITEM from "ROWS" where TBL = ? group by A) w on w.A = d."ROW"'
        || ' where d.NTBL = ? and d.GOD = ? and d.LPU = ? and d.PERIOD = ? order by w.ITEM')
      (INNTBL, INNTBL, INGOD, INLPU, SRC)
      INTO :R, :ITEM, :VAL
    DO
      EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
END^

/* Period combination of one column of a consolidation: after the client has
   summed the component periods, a column counted as "beg" or "end" takes the
   value of the first or last component period that holds the table, and "avg"
   the average over them. Component values come from SVOD. */
CREATE OR ALTER PROCEDURE UPDATESVOD (
  INNTBL VARCHAR(3), INGOD VARCHAR(4), INLPU VARCHAR(6), INENG VARCHAR(10),
  ONESOME VARCHAR(4), INPERIOD VARCHAR(3), ISTBLYEAR VARCHAR(1), PER VARCHAR(1000), NUMPER INTEGER)
AS
DECLARE VARIABLE RULE VARCHAR(3);
DECLARE VARIABLE POS INTEGER;
DECLARE VARIABLE P VARCHAR(3);
DECLARE VARIABLE SRC VARCHAR(3);
DECLARE VARIABLE R VARCHAR(5);
DECLARE VARIABLE ITEM SMALLINT;
DECLARE VARIABLE VAL NUMERIC(18,2);
DECLARE VARIABLE PP1 VARCHAR(3) = ' '; DECLARE VARIABLE PP2 VARCHAR(3) = ' ';
DECLARE VARIABLE PP3 VARCHAR(3) = ' '; DECLARE VARIABLE PP4 VARCHAR(3) = ' ';
DECLARE VARIABLE PP5 VARCHAR(3) = ' '; DECLARE VARIABLE PP6 VARCHAR(3) = ' ';
DECLARE VARIABLE PP7 VARCHAR(3) = ' '; DECLARE VARIABLE PP8 VARCHAR(3) = ' ';
DECLARE VARIABLE PP9 VARCHAR(3) = ' '; DECLARE VARIABLE PP10 VARCHAR(3) = ' ';
DECLARE VARIABLE PP11 VARCHAR(3) = ' '; DECLARE VARIABLE PP12 VARCHAR(3) = ' ';
BEGIN
  IF (ISTBLYEAR = '+') THEN
  BEGIN
    EXECUTE PROCEDURE UPDATESVOD2 (:INNTBL, :INGOD, :INLPU, :INENG, :ONESOME, :INPERIOD, :PER, :NUMPER);
    EXIT;
  END

  /* A column listed in several metadata versions makes this lookup fail. */
  SELECT COUNTAS FROM COLUMNS WHERE TBL = :INNTBL AND ENG = :INENG INTO :RULE;
  IF (RULE IS DISTINCT FROM 'beg' AND RULE IS DISTINCT FROM 'end' AND RULE IS DISTINCT FROM 'avg') THEN EXIT;
  IF (INENG IS NULL OR INENG NOT SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN EXIT;

  IF (RULE = 'avg') THEN
  BEGIN
    FOR SELECT POS, PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) INTO :POS, :P DO
    BEGIN
      IF (POS = 1) THEN PP1 = P; ELSE IF (POS = 2) THEN PP2 = P; ELSE IF (POS = 3) THEN PP3 = P;
      ELSE IF (POS = 4) THEN PP4 = P; ELSE IF (POS = 5) THEN PP5 = P; ELSE IF (POS = 6) THEN PP6 = P;
      ELSE IF (POS = 7) THEN PP7 = P; ELSE IF (POS = 8) THEN PP8 = P; ELSE IF (POS = 9) THEN PP9 = P;
      ELSE IF (POS = 10) THEN PP10 = P; ELSE IF (POS = 11) THEN PP11 = P; ELSE IF (POS = 12) THEN PP12 = P;
    END
    IF (ONESOME = 'one') THEN
      EXECUTE PROCEDURE AVGONEUPDATE (:INENG, :INNTBL, :INGOD, :INLPU, :INPERIOD, :NUMPER,
        :PP1, :PP2, :PP3, :PP4, :PP5, :PP6, :PP7, :PP8, :PP9, :PP10, :PP11, :PP12);
    ELSE
      EXECUTE PROCEDURE AVGUPDATE (:INENG, :INNTBL, :INGOD, :INLPU, :INPERIOD, :NUMPER,
        :PP1, :PP2, :PP3, :PP4, :PP5, :PP6, :PP7, :PP8, :PP9, :PP10, :PP11, :PP12);
    EXIT;
  END

  /* "beg" walks the component periods forwards, "end" backwards. */
  SRC = NULL;
  IF (RULE = 'beg') THEN
    FOR SELECT PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) ORDER BY POS INTO :P DO
    BEGIN
      IF (EXISTS (SELECT 1 FROM SVOD WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU
                    AND PERIOD = :P AND "ROW" = '001')) THEN
      BEGIN
        SRC = P;
        LEAVE;
      END
    END
  ELSE
    FOR SELECT PERIOD FROM COMPONENT_PERIODS(:INPERIOD, :NUMPER) ORDER BY POS DESC INTO :P DO
    BEGIN
      IF (EXISTS (SELECT 1 FROM SVOD WHERE NTBL = :INNTBL AND GOD = :INGOD AND LPU = :INLPU
                    AND PERIOD = :P AND "ROW" = '001')) THEN
      BEGIN
        SRC = P;
        LEAVE;
      END
    END
  IF (SRC IS NULL) THEN EXIT;

  IF (ONESOME = 'one') THEN
  BEGIN
    /* One row expected: a multi-row table here makes the statement fail. */
    EXECUTE STATEMENT ('select ' || INENG || ' from SVOD where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (INNTBL, INGOD, INLPU, SRC) INTO :VAL;
    EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD);
    EXECUTE STATEMENT ('update TEMP set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ?')
      (VAL, INNTBL, INGOD, INLPU, INPERIOD);
  END
  ELSE
    FOR EXECUTE STATEMENT ('select d."ROW", w.ITEM, d.' || INENG || ' from SVOD d'
        || ' join (select A, min(ITEM) ITEM from "ROWS" where TBL = ? group by A) w on w.A = d."ROW"'
        || ' where d.NTBL = ? and d.GOD = ? and d.LPU = ? and d.PERIOD = ? order by w.ITEM')
      (INNTBL, INNTBL, INGOD, INLPU, SRC)
      INTO :R, :ITEM, :VAL
    DO
      EXECUTE STATEMENT ('update SVOD set ' || INENG || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (VAL, INNTBL, INGOD, INLPU, INPERIOD, R);
END^

/* Value of one cell addressed by table, territory, period, year, row code and
   form column number; 0 when the cell is empty or cannot be found. */
CREATE OR ALTER PROCEDURE FINDVAR (
  NNTBL VARCHAR(3), NLPU VARCHAR(6), NPERIOD VARCHAR(3), NGOD INTEGER,
  NROW VARCHAR(3), NCOL VARCHAR(4), ISSVOD VARCHAR(1), ONESOME VARCHAR(4))
RETURNS (NVAL NUMERIC(18,2))
AS
DECLARE VARIABLE GRP VARCHAR(3);
DECLARE VARIABLE FIELD VARCHAR(10);
DECLARE VARIABLE FALLBACK INTEGER;
DECLARE VARIABLE R VARCHAR(5);
BEGIN
  NVAL = 0;
  IF (COALESCE(NNTBL, '') = '' OR COALESCE(NCOL, '') = '') THEN
  BEGIN
    SUSPEND;
    EXIT;
  END
  /* Tables of the theme 999 keep their columns per metadata year. */
  SELECT TBLNAME FROM TBLNAME WHERE NTBL = :NNTBL INTO :GRP;
  IF (GRP = '999') THEN
  BEGIN
    SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL AND GOD = :NGOD INTO :FIELD;
    IF (FIELD IS NULL) THEN
    BEGIN
      IF (NGOD >= 2011) THEN FALLBACK = 2011; ELSE FALLBACK = 2007;
      SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL AND GOD = :FALLBACK INTO :FIELD;
    END
  END
  ELSE
    SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL INTO :FIELD;

  R = COALESCE(NROW, '');
  WHILE (CHAR_LENGTH(R) < 3) DO R = '0' || R;

  IF (FIELD IS NOT NULL AND FIELD SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN
  BEGIN
    IF (ISSVOD = '+') THEN
      EXECUTE STATEMENT ('select ' || FIELD || ' from SVOD where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (NNTBL, NGOD, NLPU, NPERIOD, R) INTO :NVAL;
    ELSE
      EXECUTE STATEMENT ('select ' || FIELD || ' from TBL where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (NNTBL, NGOD, NLPU, NPERIOD, R) INTO :NVAL;
  END
  NVAL = COALESCE(NVAL, 0);
  SUSPEND;
END^

/* Stores a value into one cell; a missing row changes nothing. */
CREATE OR ALTER PROCEDURE SAVEVAR (
  NNTBL VARCHAR(3), NLPU VARCHAR(6), NPERIOD VARCHAR(3), NGOD INTEGER,
  NROW VARCHAR(3), NCOL VARCHAR(4), ISSVOD VARCHAR(1), ONESOME VARCHAR(4), NVAL NUMERIC(18,2))

AS
DECLARE VARIABLE GRP VARCHAR(3);
DECLARE VARIABLE FIELD VARCHAR(10);
DECLARE VARIABLE FALLBACK INTEGER;
DECLARE VARIABLE R VARCHAR(5);
BEGIN
  /* Tables of the theme 999 keep their columns per metadata year. */
  SELECT TBLNAME FROM TBLNAME WHERE NTBL = :NNTBL INTO :GRP;
  IF (GRP = '999') THEN
  BEGIN
    SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL AND GOD = :NGOD INTO :FIELD;
    IF (FIELD IS NULL) THEN
    BEGIN
      FALLBACK = 2007;
      SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL AND GOD = :FALLBACK INTO :FIELD;
    END
  END
  ELSE
    SELECT ENG FROM COLUMNS WHERE TBL = :NNTBL AND NSTR = :NCOL INTO :FIELD;

  R = COALESCE(NROW, '');
  WHILE (CHAR_LENGTH(R) < 3) DO R = '0' || R;

  IF (FIELD IS NOT NULL AND FIELD SIMILAR TO 'n([1-9]|[12][0-9]|30)') THEN
  BEGIN
    IF (ISSVOD = '+') THEN
    BEGIN
      EXECUTE STATEMENT ('update SVOD set ' || FIELD || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (NVAL, NNTBL, NGOD, NLPU, NPERIOD, R);
      IF (ONESOME = 'one') THEN
        EXECUTE STATEMENT ('update TEMP set ' || FIELD || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
          (NVAL, NNTBL, NGOD, NLPU, NPERIOD, R);
    END
    ELSE
      EXECUTE STATEMENT ('update TBL set ' || FIELD || ' = ? where NTBL = ? and GOD = ? and LPU = ? and PERIOD = ? and "ROW" = ?')
        (NVAL, NNTBL, NGOD, NLPU, NPERIOD, R);
  END
END^

SET TERM ; ^
