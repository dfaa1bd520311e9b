-- Sample orders for the example database job (examples/jobs/database-job.xml).
-- orders.sqlite next to this file is built from it; after a change rebuild it with
--   rm -f examples/data/orders.sqlite && sqlite3 examples/data/orders.sqlite < examples/data/orders.sql
-- (the script tests check that both hold the same rows).
CREATE TABLE orders (
    id       INTEGER PRIMARY KEY,
    customer TEXT    NOT NULL,
    status   TEXT    NOT NULL CHECK (status IN ('open', 'shipped', 'cancelled')),
    amount   REAL    NOT NULL,
    created  TEXT    NOT NULL,
    shipped  TEXT
);
INSERT INTO orders VALUES (1, 'Harbour Tools', 'shipped', 1250.00, '2026-01-05 09:12:00', '2026-01-06 14:00:00');
INSERT INTO orders VALUES (2, 'Nordlicht GmbH', 'shipped', 310.50, '2026-01-07 11:40:00', '2026-01-08 10:30:00');
INSERT INTO orders VALUES (3, 'Café Olé', 'open', 89.90, '2026-01-09 16:05:00', NULL);
INSERT INTO orders VALUES (4, 'Harbour Tools', 'open', 2400.00, '2026-01-10 08:00:00', NULL);
INSERT INTO orders VALUES (5, 'Mesa Verde Ltd', 'cancelled', 45.00, '2026-01-10 12:20:00', NULL);
INSERT INTO orders VALUES (6, 'Nordlicht GmbH', 'open', 775.25, '2026-01-11 09:45:00', NULL);
INSERT INTO orders VALUES (7, 'Kiwi Print', 'shipped', 129.99, '2026-01-11 15:10:00', '2026-01-12 09:00:00');
INSERT INTO orders VALUES (8, 'Mesa Verde Ltd', 'open', 310.00, '2026-01-12 10:00:00', NULL);
INSERT INTO orders VALUES (9, 'Kiwi Print', 'open', 58.40, '2026-01-12 17:30:00', NULL);
INSERT INTO orders VALUES (10, 'Café Olé', 'open', 212.00, '2026-01-13 08:15:00', NULL);
INSERT INTO orders VALUES (11, 'Harbour Tools', 'shipped', 990.00, '2026-01-13 13:00:00', '2026-01-14 11:20:00');
INSERT INTO orders VALUES (12, 'Nordlicht GmbH', 'open', 1500.00, '2026-01-14 09:05:00', NULL);
