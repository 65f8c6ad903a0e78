-- The starting contents of TEL.mdb: the four tables of the organiser, their indexes,
-- the built-in user "Guest" and the two sexes of the phone book.
-- Every column is text except the sex code. Comparisons are exact (binary); the program
-- registers its own case-insensitive "like" on the connection.

CREATE TABLE Mst_User (
    UserName TEXT,
    UserPass TEXT
);
-- No two users share a name; the list of users is ordered by name.
CREATE UNIQUE INDEX Mst_User_UserName ON Mst_User (UserName);

CREATE TABLE TMP_Sche (
    Date_Data  TEXT,
    Daily_Data TEXT,
    UserName   TEXT
);
-- One diary entry per user and day; a user's entries are found and deleted by name.
CREATE UNIQUE INDEX TMP_Sche_UserName_Date ON TMP_Sche (UserName, Date_Data);

CREATE TABLE Mst_Sex (
    Sex_Cd   INTEGER PRIMARY KEY,
    Sex_Name TEXT
);

CREATE TABLE Mst_Address (
    Name_1     TEXT,
    Furigana   TEXT,
    Name_2     TEXT,
    Sex_cd     INTEGER,
    Birth      TEXT,
    Yubin      TEXT,
    Zyusyo     TEXT,
    Tel_1      TEXT,
    Fax_1      TEXT,
    PB         TEXT,
    Handy_1    TEXT,
    Handy_2    TEXT,
    K_Name     TEXT,
    K_Yubin    TEXT,
    K_Address  TEXT,
    K_Tel      TEXT,
    K_fax      TEXT,
    Email      TEXT,
    K_Email    TEXT,
    HP_Address TEXT,
    Bikou      TEXT
);
-- A record is found by its name; every list of records is ordered by its reading and shows
-- only names, which this index holds in that order (the program adds it to older files).
CREATE UNIQUE INDEX Mst_Address_Name_1 ON Mst_Address (Name_1);
CREATE INDEX Mst_Address_Reading ON Mst_Address (Furigana, Name_1);

INSERT INTO Mst_User (UserName, UserPass) VALUES ('Guest', '');
INSERT INTO Mst_Sex (Sex_Cd, Sex_Name) VALUES (1, '男性');
INSERT INTO Mst_Sex (Sex_Cd, Sex_Name) VALUES (2, '女性');
