FORM Kragen mit Steg
PUNKTE 14
