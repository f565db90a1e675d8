-- The sample shop that samples/ShopData.dfm works on.
CREATE DATABASE IF NOT EXISTS shop;
USE shop;
CREATE TABLE IF NOT EXISTS customers (
  id INT PRIMARY KEY,
  name VARCHAR(40) NOT NULL,
  city VARCHAR(30)
);
CREATE TABLE IF NOT EXISTS orders (
  id INT PRIMARY KEY,
  customer INT NOT NULL,
  amount DECIMAL(10, 2),
  ordered DATE,
  KEY by_customer (customer),
  KEY by_customer_date (customer, ordered)
);
INSERT IGNORE INTO customers VALUES (1, 'Ada', 'London'), (2, 'Linus', 'Helsinki');
INSERT IGNORE INTO orders VALUES (10, 1, 12.50, '2026-01-05'), (11, 2, 7.00, '2026-02-11');
