-- The sample shop: customers, their orders and the lines of each order.
CREATE TABLE customers (
  id INT PRIMARY KEY AUTO_INCREMENT,
  name VARCHAR(60) NOT NULL,
  city VARCHAR(40)
);
CREATE TABLE orders (
  id INT PRIMARY KEY AUTO_INCREMENT,
  customer_id INT NOT NULL,
  order_date DATE NOT NULL,
  status VARCHAR(12) NOT NULL DEFAULT 'new',
  total DECIMAL(10, 2) NOT NULL DEFAULT 0,
  KEY by_customer (customer_id, order_date),
  FOREIGN KEY (customer_id) REFERENCES customers (id)
);
CREATE TABLE `order lines` (
  order_id INT NOT NULL,
  line INT NOT NULL,
  product VARCHAR(60) NOT NULL,
  amount DECIMAL(10, 2) NOT NULL,
  PRIMARY KEY (order_id, line),
  FOREIGN KEY (order_id) REFERENCES orders (id)
);
INSERT INTO customers (name, city) VALUES ('Ann Berg', 'Oslo'), ('Bruno Costa', 'Porto');
INSERT INTO orders (customer_id, order_date, status, total)
  VALUES (1, '2024-03-01', 'shipped', 42.50), (2, '2024-03-04', 'new', 7.25);
INSERT INTO `order lines` VALUES (1, 1, 'Tea', 30.00), (1, 2, 'Cups', 12.50), (2, 1, 'Tea', 7.25);
